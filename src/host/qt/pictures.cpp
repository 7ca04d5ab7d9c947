#include "host/qt/pictures.h"

#include <map>
#include <mutex>

namespace host::qt {

namespace {

QImage fill(QColor colour) {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

std::map<std::string, std::vector<QImage>> drawAll() {
  return {
      {"background", {drawBackground()}},
      {"logo", {drawLogo()}},
      {"pen", {drawPen(false)}},
      {"pen_hover", {drawPen(true)}},
      {"sponsor", {drawSponsor()}},
      {"waiting", drawWaiting()},
      {"frame", {fill(QColor(170, 205, 240))}},
      {"panel", {fill(Qt::white)}},
      {"rule", {fill(QColor(255, 255, 255, 170))}},
      {"feedback_background", {drawFeedbackBackground()}},
  };
}

}  // namespace

const std::vector<QImage>& pictureFrames(const std::string& name) {
  static std::once_flag once;
  static std::map<std::string, std::vector<QImage>>* pictures = nullptr;
  std::call_once(once, [] { pictures = new std::map<std::string, std::vector<QImage>>(drawAll()); });
  static const std::vector<QImage> none;
  auto it = pictures->find(name);
  return it == pictures->end() ? none : it->second;
}

QRegion outlineRegion(const QImage& picture, unsigned cutColour) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb cut = cutColour & 0xFFFFFFu;
  QRegion region;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int runStart = -1;
    for (int x = 0; x <= image.width(); ++x) {
      const bool inside = x < image.width() && qAlpha(line[x]) != 0 && (line[x] & 0xFFFFFFu) != cut;
      if (inside && runStart < 0) runStart = x;
      if (!inside && runStart >= 0) {
        region += QRect(runStart, y, x - runStart, 1);
        runStart = -1;
      }
    }
  }
  return region;
}

}  // namespace host::qt
