#pragma once
// The program's pictures, all drawn in code the first time they are asked for (a
// QGuiApplication must exist). Controls name them in Control::picture:
//   background  800x500 the main window's background and outline
//   logo        640x640 shown at 100x100
//   pen, pen_hover  24x24 the feedback button
//   sponsor     550x375
//   waiting     64x64, twelve frames, looping
//   frame, panel, rule  1x1 fills: list frames, the waiting panel, the slogan's rule
//   feedback_background 384x256
#include <QImage>
#include <QRegion>
#include <string>
#include <vector>

namespace host::qt {

// The frames of a picture (one for a still picture); empty for an unknown name.
const std::vector<QImage>& pictureFrames(const std::string& name);
// How long each frame of an animated picture shows.
constexpr int frameMilliseconds = 80;

// The outline of a picture: every pixel except the fully transparent ones and those
// of `cutColour` (0xRRGGBB).
QRegion outlineRegion(const QImage& picture, unsigned cutColour);

// Drawing routines, one per picture.
QImage drawBackground();
QImage drawLogo();
QImage drawPen(bool hover);
QImage drawSponsor();
std::vector<QImage> drawWaiting();
QImage drawFeedbackBackground();

}  // namespace host::qt
