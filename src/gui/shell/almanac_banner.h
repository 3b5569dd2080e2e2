#pragma once

#include <QRect>

class QPainter;

namespace vessa {

// The width of the right end that the trigram ring takes; controls keep clear of it.
inline constexpr int kBannerEmblemWidth = 84;

// The picture behind the input panel: almanac paper framed by red double rules,
// with the eight trigrams ringed around a taiji at the right end.
void PaintAlmanacBanner(QPainter& painter, const QRect& area);

}  // namespace vessa
