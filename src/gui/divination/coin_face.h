#pragma once

#include <QPixmap>

#include "core/divination/hexagram.h"

class QPainter;
class QRectF;

namespace vessa {

// A round coin with a square hole, painted by us: the front (正面) carries four
// characters around the hole, the back (反面) a crescent and a dot.
void PaintCoin(QPainter& painter, const QRectF& box, CoinFace face);

// The coin as a picture of side `size` (device-independent pixels), sharp at the
// given device pixel ratio; what lies outside the coin and inside its hole is
// transparent.
QPixmap CoinPixmap(CoinFace face, int size, qreal devicePixelRatio = 1.0);

}  // namespace vessa
