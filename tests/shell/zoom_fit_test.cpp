#include <gtest/gtest.h>

#include "shell/zoom.h"

namespace coilrun {
namespace {

constexpr QSize kPicture(512, 356);

TEST(ZoomFitTest, TheLargestZoomLeavesRoomForTheMenuBarAndFrame) {
  struct Case {
    QSize room, fixedPart;
    int zoom;
  };
  for (const Case& screen : {
           Case{{1920, 1080}, {0, 24}, 2},  // 3 x 356 + the menu bar is 1092
           Case{{1920, 1080}, {0, 0}, 3},   // full screen, no menu bar
           Case{{3840, 2160}, {0, 24}, 6},
           Case{{1024, 768}, {0, 24}, 2},
           Case{{1366, 740}, {2, 54}, 1},  // a frame's title bar takes the second zoom
           Case{{400, 300}, {0, 24}, 1},   // smaller than 1x: 1x anyway
           Case{{16384, 16384}, {0, 0}, kLargestZoom},
       }) {
    EXPECT_EQ(LargestZoomThatFits(kPicture, screen.fixedPart, screen.room), screen.zoom)
        << screen.room.width() << "x" << screen.room.height();
  }
}

TEST(ZoomFitTest, ThePictureIsCentredAtTheLargestWholeFactor) {
  struct Case {
    QRect area;
    Placement placement;
  };
  for (const Case& test : {
           Case{{0, 0, 1920, 1080}, {3, {192, 6}}},
           Case{{0, 0, 1536, 1068}, {3, {0, 0}}},
           Case{{0, 0, 768, 534}, {1, {128, 89}}},       // 1x at a display scale of 1.5
           Case{{0, -24, 1920, 1080}, {3, {192, -18}}},  // under a menu bar shown in full screen
           Case{{10, 20, 1025, 713}, {2, {10, 20}}},     // the odd pixel left over goes right and down
           Case{{0, 0, 400, 300}, {1, {-56, -28}}},
       }) {
    EXPECT_EQ(PlacePicture(kPicture, test.area), test.placement) << test.area.width() << "x" << test.area.height();
  }
}

TEST(ZoomFitTest, DevicePixelsMapToThePicturePixelsThatCoverThem) {
  const Placement placement{3, {192, 6}};
  EXPECT_EQ(DevicePixelsOf({10, 20, 2, 1}, placement), QRect(222, 66, 6, 3));
  // A rectangle reaching from the black border into the first pixel.
  EXPECT_EQ(PicturePixelsUnder({190, 4, 3, 3}, placement, kPicture), QRect(0, 0, 1, 1));
  // Part of each of two pixels across and one down.
  EXPECT_EQ(PicturePixelsUnder({223, 66, 3, 2}, placement, kPicture), QRect(10, 20, 2, 1));
  EXPECT_TRUE(PicturePixelsUnder({0, 0, 192, 1080}, placement, kPicture).isEmpty());
  EXPECT_EQ(PicturePixelsUnder({0, 0, 1920, 1080}, placement, kPicture), QRect(QPoint(), kPicture));
}

TEST(ZoomFitTest, ScalingUpMakesEveryPixelASquare) {
  QImage image(3, 2, QImage::Format_RGB32);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
  }
  for (const int factor : {1, 2, 5}) {
    const QImage scaled = ScaledUp(image, factor);
    ASSERT_EQ(scaled.size(), image.size() * factor);
    for (int y = 0; y < scaled.height(); ++y) {
      for (int x = 0; x < scaled.width(); ++x)
        ASSERT_EQ(scaled.pixel(x, y), image.pixel(x / factor, y / factor)) << factor << ": " << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace coilrun
