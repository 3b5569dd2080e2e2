#pragma once

#include <QWidget>

#include <array>

#include "core/input/birth_input.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vessa {

// The strip across the top of the main window: the birth-data fields over the
// almanac banner, and the six command buttons under them.
class InputPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 84;
  // Two Chinese characters.
  static constexpr std::size_t kNameBytes = 4;

  explicit InputPanel(QWidget* parent = nullptr);

  // The fields as typed or selected.
  Panel Read() const;

  QLineEdit* SurnameEdit() const { return nameA_; }
  QLineEdit* GivenNameEdit() const { return nameB_; }
  const std::array<QPushButton*, 6>& CommandButtons() const { return buttons_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLineEdit* nameA_;
  QLineEdit* nameB_;
  QComboBox* sex_;
  QComboBox* bloodType_;
  QComboBox* calendar_;
  QComboBox* year_;
  QComboBox* month_;
  QComboBox* day_;
  QComboBox* hour_;
  QComboBox* minute_;
  std::array<QPushButton*, 6> buttons_{};
};

}  // namespace vessa
