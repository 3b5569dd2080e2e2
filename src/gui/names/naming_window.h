#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "core/data/content_store.h"
#include "core/names/naming_assistant.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vessa {

// The naming assistant "取名宝典": stroke proposals for a new given name that fit
// the surname, the characters of a proposal, and the test of a chosen name.
// Modeless; it deletes itself when closed.
class TFrmChangeName : public QWidget {
  Q_OBJECT

 public:
  TFrmChangeName(const data::ContentStore& store, std::string surname, QWidget* parent = nullptr);

  const std::vector<NameProposal>& Proposals() const { return proposals_; }
  bool TwoCharacters() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Rebuilds the proposal list; the texts change once the mode was switched.
  void FillProposals(bool afterSwitch);
  void OnPick();  // "取名"
  void OnTest();  // "确认测算"

  const data::ContentStore& store_;
  data::Query adoData_;  // AdoData, on MorFile
  std::string surname_;
  std::vector<NameProposal> proposals_;
  bool shown_ = false;

  QComboBox* proposalList_;
  QRadioButton* oneCharacter_;
  QRadioButton* twoCharacters_;
  QPlainTextEdit* firstCharacters_;
  QPlainTextEdit* secondCharacters_;
  QLineEdit* surnameEdit_;
  QLineEdit* givenEdit_;
  QPlainTextEdit* testResult_;
};

}  // namespace vessa
