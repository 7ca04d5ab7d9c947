#include <gtest/gtest.h>

#include "host/qt/pictures.h"

using namespace host::qt;

TEST(Pictures, OutlineCutsOnlyTheThirtyOneCornerPixels) {
  const auto& frames = pictureFrames("background");
  ASSERT_EQ(frames.size(), 1u);
  const QImage& background = frames.front();
  ASSERT_EQ(background.size(), QSize(800, 500));
  int transparent = 0, black = 0;
  for (int y = 0; y < 500; ++y)
    for (int x = 0; x < 800; ++x) {
      const QRgb p = background.pixel(x, y);
      if (qAlpha(p) == 0) ++transparent;
      else if ((p & 0xFFFFFFu) == 0) ++black;
    }
  EXPECT_EQ(transparent, 31);
  EXPECT_EQ(black, 0);
  // with black as the cut colour, the outline is the picture minus its clear pixels
  const QRegion outline = outlineRegion(background, 0x000000);
  EXPECT_FALSE(outline.contains(QPoint(0, 0)));
  EXPECT_FALSE(outline.contains(QPoint(799, 4)));
  EXPECT_FALSE(outline.contains(QPoint(0, 5)));
  EXPECT_TRUE(outline.contains(QPoint(799, 5)));
  EXPECT_TRUE(outline.contains(QPoint(5, 0)));
  EXPECT_TRUE(outline.contains(QPoint(400, 250)));
  // a colour that is in the picture is cut too: white leaves the blue parts
  const QRegion blueOnly = outlineRegion(background, 0xFFFFFF);
  EXPECT_FALSE(blueOnly.contains(QPoint(400, 250)));
  EXPECT_TRUE(blueOnly.contains(QPoint(50, 250)));
}

TEST(Pictures, SizesAndTheLoopingAnimation) {
  struct Case {
    const char* name;
    QSize size;
    size_t frames;
  } cases[] = {{"logo", {640, 640}, 1}, {"pen", {24, 24}, 1}, {"pen_hover", {24, 24}, 1},
               {"sponsor", {550, 375}, 1}, {"waiting", {64, 64}, 12}};
  for (const auto& c : cases) {
    const auto& frames = pictureFrames(c.name);
    ASSERT_EQ(frames.size(), c.frames) << c.name;
    for (const QImage& f : frames) EXPECT_EQ(f.size(), c.size) << c.name;
  }
  EXPECT_NE(pictureFrames("waiting")[0], pictureFrames("waiting")[1]);
  EXPECT_TRUE(pictureFrames("no such picture").empty());
}
