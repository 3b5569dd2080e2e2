#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The font of the result pane. The readings align their columns with blanks,
// counting a Chinese character as two blanks, so the pane needs a face where
// that holds exactly.
namespace vessa {

// The items of CBFont, largest first.
QStringList FontSizeItems();
inline constexpr int kDefaultFontSizeItem = 5;  // "小五号"
inline constexpr int kDefaultResultPointSize = 9;

// The point size of a CBFont item; -1 (nothing selected) and anything out of
// range give 9.
int PointSizeOfFontItem(int index);

// 宋体 or SimSun, whichever is installed; empty when neither is.
QString InstalledSongFamily();

// 宋体 (SimSun) where installed, else Noto Sans Mono CJK SC.
QString ResultFontFamily();

// The pane's font at a point size on a screen of the given resolution. The
// pixel size is rounded to an even number: at an odd one a blank is half a pixel
// narrower or wider than half a Chinese character, and a column drifts by a
// pixel every two blanks.
QFont ResultFont(int pointSize, qreal dotsPerInch);

}  // namespace vessa
