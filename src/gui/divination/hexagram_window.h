#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

#include "core/data/content_store.h"
#include "core/divination/hexagram.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vessa {

// The coin hexagram window "金钱卦": six coins thrown by the user, or one
// automatic draw, give one of the 64 hexagrams and its reading. The main window
// shows it modally and builds a fresh one for every opening; closing hides it.
class TFrmQigua : public QWidget {
  Q_OBJECT

 public:
  // seed: the random source of the throws and draws (the main window passes one
  // from the clock).
  TFrmQigua(const data::ContentStore& store, std::uint32_t seed, QWidget* parent = nullptr);

  // Slot 1-6 (slot 1 the bottom line): its digit, and the face its picture shows
  // (nullopt: not thrown, "未投" shows instead).
  int Digit(int slot) const;
  std::optional<CoinFace> Picture(int slot) const;
  bool AutomaticMode() const;

  // The buttons of the window.
  void Reset();          // "重新起卦"
  void Throw(int slot);  // "投第N币"
  void Cast();           // "查看起卦"
  void Save();           // "保存"
  void Print();          // "打印"

 private:
  struct Slot {
    QPushButton* button = nullptr;
    QLabel* picture = nullptr;
    int digit = 0;
    std::optional<CoinFace> face;
  };
  void ShowFace(Slot& slot, std::optional<CoinFace> face);
  void ShowHexagram(const HexagramRow& row);
  QStringList PaneLines() const;

  const data::ContentStore& store_;
  data::Query adoData_;  // AdoData, on Tgcode
  CastRandom random_;

  std::array<Slot, kHexagramLines> slots_;
  QRadioButton* throwMode_;
  QRadioButton* autoMode_;
  QLabel* title_;
  QPlainTextEdit* reading_;
};

}  // namespace vessa
