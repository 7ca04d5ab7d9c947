// The pictures themselves, drawn with QPainter; nothing is read from a file.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "host/qt/fonts.h"
#include "host/qt/pictures.h"

namespace host::qt {

namespace {
const QColor blue(0, 136, 255);
const QColor lightBlue(29, 150, 255);
const QColor deepBlue(4, 109, 251);
constexpr double pi = 3.14159265358979323846;
}  // namespace

QImage drawBackground() {
  // Non-premultiplied, so the corner pixels keep a white colour while fully transparent.
  QImage image(800, 500, QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.fillRect(0, 0, 166, 500, blue);        // the left column
    p.fillRect(166, 0, 634, 32, lightBlue);  // the strip behind feedback, minimise, close
    p.fillRect(165, 0, 1, 500, lightBlue);   // the column's edge
    p.setPen(blue);                          // the one-pixel frame
    p.drawRect(0, 0, 799, 499);
  }
  // The two top corners curve off: 5, 4, 3, 2, 1 pixels on the first five rows from
  // each corner and the first pixel of the sixth row on the left; 31 in all.
  const QRgb clear = qRgba(255, 255, 255, 0);
  for (int row = 0; row < 5; ++row)
    for (int i = 0; i < 5 - row; ++i) {
      image.setPixel(i, row, clear);
      image.setPixel(799 - i, row, clear);
    }
  image.setPixel(0, 5, clear);
  return image;
}

QImage drawLogo() {
  QImage image(640, 640, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(320, 320), 300, 300);
  p.setBrush(lightBlue);
  p.drawEllipse(QPointF(320, 320), 262, 262);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(320, 320), 236, 236);
  // a T for Tovi, with an arrow into a tray under it: gathering
  p.setBrush(blue);
  p.drawRoundedRect(QRectF(170, 150, 300, 70), 20, 20);
  p.drawRoundedRect(QRectF(285, 150, 70, 250), 20, 20);
  QPainterPath arrow;
  arrow.moveTo(230, 360);
  arrow.lineTo(410, 360);
  arrow.lineTo(320, 450);
  arrow.closeSubpath();
  p.drawPath(arrow);
  p.setBrush(deepBlue);
  p.drawRoundedRect(QRectF(190, 470, 260, 30), 12, 12);
  return image;
}

QImage drawPen(bool hover) {
  QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  if (hover) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QRectF(0, 0, 24, 24));
  }
  const QColor ink = hover ? QColor(255, 226, 110) : QColor(Qt::white);
  p.translate(12, 12);
  p.rotate(45);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawRoundedRect(QRectF(-3, -10, 6, 15), 1.5, 1.5);  // the body
  QPainterPath tip;
  tip.moveTo(-3, 6);
  tip.lineTo(3, 6);
  tip.lineTo(0, 11);
  tip.closeSubpath();
  p.drawPath(tip);
  p.setBrush(QColor(0, 90, 200));
  p.drawRect(QRectF(-3, -7, 6, 1.5));  // the band under the cap
  return image;
}

QImage drawSponsor() {
  QImage image(550, 375, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(blue, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1, 1, 548, 373), 10, 10);

  // a code-like square of modules from a fixed sequence, with three finder marks
  const QRectF code(40, 60, 250, 250);
  const double module = code.width() / 25;
  unsigned seed = 20180530u;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) {
      seed = seed * 1103515245u + 12345u;
      const bool finderZone = (x < 8 && y < 8) || (x > 16 && y < 8) || (x < 8 && y > 16);
      if (!finderZone && (seed >> 16) % 2)
        p.drawRect(QRectF(code.left() + x * module, code.top() + y * module, module, module));
    }
  for (QPointF corner : {QPointF(0, 0), QPointF(18, 0), QPointF(0, 18)}) {
    const QPointF at = code.topLeft() + corner * module;
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(at, QSizeF(7 * module, 7 * module)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(at + QPointF(module, module), QSizeF(5 * module, 5 * module)));
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(at + QPointF(2 * module, 2 * module), QSizeF(3 * module, 3 * module)));
  }

  // a heart and a thank-you
  QPainterPath heart;
  heart.moveTo(420, 200);
  heart.cubicTo(330, 140, 370, 60, 420, 110);
  heart.cubicTo(470, 60, 510, 140, 420, 200);
  p.setBrush(QColor(255, 92, 120));
  p.drawPath(heart);
  p.setPen(blue);
  p.setFont(controlFont(22));
  p.drawText(QRectF(310, 220, 220, 40), Qt::AlignCenter, QStringLiteral("感谢您的支持"));
  p.setPen(QColor(120, 120, 120));
  p.setFont(controlFont(14));
  p.drawText(QRectF(310, 262, 220, 30), Qt::AlignCenter, QStringLiteral("每一份支持都是前进的动力"));
  return image;
}

std::vector<QImage> drawWaiting() {
  // twelve dots round a circle; the bright one moves on by one each frame
  std::vector<QImage> frames;
  for (int frame = 0; frame < 12; ++frame) {
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int dot = 0; dot < 12; ++dot) {
      const int age = (frame - dot + 12) % 12;  // 0: the leading dot
      QColor c = blue;
      c.setAlpha(255 - age * 18);
      p.setBrush(c);
      const double angle = dot * 2 * pi / 12 - pi / 2;
      const double radius = 5.5 - age * 0.25;
      p.drawEllipse(QPointF(32 + 22 * std::cos(angle), 32 + 22 * std::sin(angle)), radius, radius);
    }
    frames.push_back(image);
  }
  return frames;
}

QImage drawFeedbackBackground() {
  // the window is 380x250; the label under it is 384x256, so the frame is drawn at
  // the window's size
  QImage image(384, 256, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  p.fillRect(0, 0, 380, 38, blue);
  p.fillRect(0, 212, 380, 38, QColor(240, 247, 255));
  p.setPen(blue);
  p.drawRect(0, 0, 379, 249);
  return image;
}

}  // namespace host::qt
