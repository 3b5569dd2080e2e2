#pragma once

#include <QIcon>
#include <QPointF>
#include <QRect>

class QPainter;

namespace vessa {

// The width of the right end that the trigram ring takes; controls keep clear of it.
inline constexpr int kBannerEmblemWidth = 84;

// The picture behind the input panel: almanac paper framed by red double rules,
// with the eight trigrams ringed around a taiji at the right end.
void PaintAlmanacBanner(QPainter& painter, const QRect& area);

// The eight trigrams ringed around a taiji, centred at centre.
void PaintBagua(QPainter& painter, QPointF centre, qreal radius);

// The program's icon: the trigram ring on almanac paper, at the usual sizes.
QIcon ProgramIcon();

}  // namespace vessa
