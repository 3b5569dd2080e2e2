#include "gui/divination/coin_face.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vessa {
namespace {

const QColor kBrassLight(0xf3, 0xd6, 0x7a);
const QColor kBrass(0xd2, 0xa4, 0x3c);
const QColor kBrassDark(0x9a, 0x6c, 0x1c);
const QColor kEdge(0x5e, 0x3f, 0x0c);
const QColor kInk(0x5a, 0x38, 0x08);

// The characters of the front, read top, bottom, right, left as on old coins.
constexpr const char* kInscription[4] = {"太", "平", "通", "宝"};

QString SerifFamily() {
  for (const char* family :
       {"Noto Serif CJK SC", "Noto Serif SC", "AR PL UMing CN", "SimSun", "Noto Sans CJK SC"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(family))) return QString::fromLatin1(family);
  }
  return {};
}

QRectF Centered(QPointF centre, qreal side) {
  return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

}  // namespace

void PaintCoin(QPainter& painter, const QRectF& box, CoinFace face) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const qreal side = std::min(box.width(), box.height());
  const QPointF c = box.center();
  const qreal r = side / 2 - side * 0.02;
  const qreal hole = r * 0.46;        // side of the square hole
  const qreal holeRim = hole * 1.42;  // the raised square around it

  // The disc without its hole, so the ground shows through the hole.
  QPainterPath disc;
  disc.addEllipse(c, r, r);
  QPainterPath holePath;
  holePath.addRect(Centered(c, hole));
  disc = disc.subtracted(holePath);

  QRadialGradient metal(c - QPointF(r * 0.35, r * 0.4), r * 1.6);
  metal.setColorAt(0.0, kBrassLight);
  metal.setColorAt(0.55, kBrass);
  metal.setColorAt(1.0, kBrassDark);
  painter.setPen(QPen(kEdge, std::max(1.0, side * 0.02)));
  painter.setBrush(metal);
  painter.drawPath(disc);

  // The raised outer rim and the rim around the hole.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kBrassDark, std::max(1.0, side * 0.025)));
  painter.drawEllipse(c, r * 0.84, r * 0.84);
  painter.drawRect(Centered(c, holeRim));
  painter.setPen(QPen(kEdge, std::max(1.0, side * 0.015)));
  painter.drawRect(Centered(c, hole));

  const qreal ring = (r * 0.84 + holeRim / 2) / 2;  // between the rims
  if (face == CoinFace::Front) {
    QFont font;
    if (const QString family = SerifFamily(); !family.isEmpty()) font.setFamily(family);
    font.setWeight(QFont::Bold);
    font.setPixelSize(std::max(6, static_cast<int>(r * 0.36)));
    painter.setFont(font);
    painter.setPen(kInk);
    const QPointF at[4] = {c + QPointF(0, -ring), c + QPointF(0, ring), c + QPointF(ring, 0),
                           c + QPointF(-ring, 0)};
    const qreal cell = r * 0.42;
    for (int i = 0; i < 4; ++i) {
      painter.drawText(Centered(at[i], cell), Qt::AlignCenter, QString::fromUtf8(kInscription[i]));
    }
  } else {
    // A crescent above the hole and a dot below: the marks of a coin's back.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    const QPointF moon = c + QPointF(0, -ring);
    const qreal mr = r * 0.16;
    QPainterPath crescent;
    crescent.addEllipse(moon, mr, mr * 0.8);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(0, -mr * 0.45), mr * 1.05, mr * 0.75);
    painter.drawPath(crescent.subtracted(bite));
    painter.drawEllipse(c + QPointF(0, ring), r * 0.07, r * 0.07);
  }
  painter.restore();
}

QPixmap CoinPixmap(CoinFace face, int size, qreal devicePixelRatio) {
  const int pixels = static_cast<int>(std::ceil(size * devicePixelRatio));
  QPixmap pixmap(pixels, pixels);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  PaintCoin(painter, QRectF(0, 0, size, size), face);
  return pixmap;
}

}  // namespace vessa
