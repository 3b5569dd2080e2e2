#include "gui/shell/almanac_banner.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace vessa {
namespace {

const QColor kPaperTop(0xfa, 0xf2, 0xdd);
const QColor kPaperBottom(0xee, 0xda, 0xaa);
const QColor kCinnabar(0x9e, 0x1b, 0x14);
const QColor kInk(0x7a, 0x17, 0x12);

// Lines of each trigram from the innermost (bottom) line outwards, true for an
// unbroken line, in the Earlier Heaven order clockwise from the top: 乾 巽 坎 艮
// 坤 震 离 兑.
constexpr std::array<std::array<bool, 3>, 8> kTrigrams = {{
    {true, true, true},
    {false, true, true},
    {false, true, false},
    {false, false, true},
    {false, false, false},
    {true, false, false},
    {true, false, true},
    {true, true, false},
}};

void PaintFrameRules(QPainter& p, const QRect& area) {
  p.setPen(Qt::NoPen);
  p.setBrush(kCinnabar);
  p.drawRect(QRectF(area.left(), area.top(), area.width(), 2));
  p.drawRect(QRectF(area.left(), area.bottom() - 1, area.width(), 2));
  p.setBrush(QColor(kCinnabar.red(), kCinnabar.green(), kCinnabar.blue(), 150));
  p.drawRect(QRectF(area.left(), area.top() + 4, area.width(), 1));
  p.drawRect(QRectF(area.left(), area.bottom() - 4, area.width(), 1));
}

void PaintTaiji(QPainter& p, qreal radius) {
  const QRectF whole(-radius, -radius, 2 * radius, 2 * radius);
  const qreal half = radius / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(kPaperTop);
  p.drawEllipse(whole);
  p.setBrush(kInk);
  p.drawPie(whole, 90 * 16, 180 * 16);
  p.drawEllipse(QPointF(0, half), half, half);
  p.setBrush(kPaperTop);
  p.drawEllipse(QPointF(0, -half), half, half);
  const qreal dot = radius / 6;
  p.drawEllipse(QPointF(0, half), dot, dot);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(0, -half), dot, dot);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 1));
  p.drawEllipse(whole);
}

}  // namespace

void PaintBagua(QPainter& p, QPointF centre, qreal radius) {
  p.save();
  p.translate(centre);
  const qreal scale = radius / 30;
  p.scale(scale, scale);
  p.setPen(QPen(QColor(kInk.red(), kInk.green(), kInk.blue(), 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), 29.5, 29.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(kInk.red(), kInk.green(), kInk.blue(), 190));
  for (std::size_t i = 0; i < kTrigrams.size(); ++i) {
    p.save();
    p.rotate(45.0 * static_cast<qreal>(i));
    for (std::size_t line = 0; line < 3; ++line) {
      const qreal y = -(16.5 + 3.6 * static_cast<qreal>(line)) - 1;
      if (kTrigrams[i][line]) {
        p.drawRect(QRectF(-7, y, 14, 2));
      } else {
        p.drawRect(QRectF(-7, y, 5.5, 2));
        p.drawRect(QRectF(1.5, y, 5.5, 2));
      }
    }
    p.restore();
  }
  PaintTaiji(p, 10.5);
  p.restore();
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = size / 2.0;
    p.setPen(QPen(kCinnabar, std::max(1.0, size / 40.0)));
    p.setBrush(kPaperTop);
    p.drawEllipse(QPointF(r, r), r - 1, r - 1);
    PaintBagua(p, QPointF(r, r), r * 0.92);
    icon.addPixmap(pixmap);
  }
  return icon;
}

void PaintAlmanacBanner(QPainter& painter, const QRect& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient paper(area.topLeft(), area.bottomLeft());
  paper.setColorAt(0, kPaperTop);
  paper.setColorAt(1, kPaperBottom);
  painter.fillRect(area, paper);
  PaintFrameRules(painter, area);
  const qreal radius = std::min(area.height() - 14, kBannerEmblemWidth - 14) / 2.0;
  PaintBagua(painter, QPointF(area.right() + 1 - kBannerEmblemWidth / 2.0, area.center().y() + 0.5),
             radius);
  painter.restore();
}

}  // namespace vessa
