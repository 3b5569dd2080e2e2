#include "gui/kit/result_font.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vessa {

QStringList FontSizeItems() {
  return {QStringLiteral("三号"),   QStringLiteral("小三号"), QStringLiteral("四号"),
          QStringLiteral("小四号"), QStringLiteral("五号"),   QStringLiteral("小五号")};
}

int PointSizeOfFontItem(int index) {
  // "五号" is 11 points here, not the printers' 10.5.
  static constexpr int kSizes[] = {16, 15, 14, 12, 11, 9};
  if (index < 0 || index >= static_cast<int>(std::size(kSizes))) return kDefaultResultPointSize;
  return kSizes[index];
}

QString InstalledSongFamily() {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : {QStringLiteral("宋体"), QStringLiteral("SimSun")}) {
    if (installed.contains(family)) return family;
  }
  return {};
}

QString ResultFontFamily() {
  const QString song = InstalledSongFamily();
  return song.isEmpty() ? QStringLiteral("Noto Sans Mono CJK SC") : song;
}

QFont ResultFont(int pointSize, qreal dotsPerInch) {
  QFont font(ResultFontFamily());
  font.setStyleHint(QFont::TypeWriter);
  const qreal pixels = pointSize * dotsPerInch / 72.0;
  font.setPixelSize(std::max(2, 2 * static_cast<int>(std::lround(pixels / 2))));
  // Full hinting keeps advances on whole pixels; with lighter hinting some sizes
  // come out 1/64 px short, and long rows of blanks and characters drift apart.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace vessa
