#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

#include "tests/support/temp_directory.h"

namespace {

constexpr QRgb kSeeThrough = 0xFFFFFFFF;

struct Expected {
  const char* fileName;
  QSize size;
  bool seeThrough;
  // A part of the picture that is surely painted: the letter l, the
  // trophy's cup, the last step, the winner's block.
  QRect solid;
};

const std::vector<Expected> kExpected{
    {"logo.png", QSize(345, 135), true, QRect(152, 50, 12, 60)},
    {"author.png", QSize(105, 130), false, QRect()},
    {"exe.png", QSize(198, 220), true, QRect(30, 55, 50, 40)},
    {"skip.png", QSize(400, 199), true, QRect(352, 75, 28, 110)},
    {"comp.png", QSize(178, 200), true, QRect(64, 150, 50, 40)},
};

// Whether a neighbour of the pixel has another colour, so that the pixel may
// be a blend along the border of two shapes, or of a shape and its
// surroundings.
bool OnAnEdge(const QImage& image, int x, int y) {
  const QRgb own = image.pixel(x, y);
  for (int ny = std::max(0, y - 1); ny <= std::min(image.height() - 1, y + 1); ++ny) {
    for (int nx = std::max(0, x - 1); nx <= std::min(image.width() - 1, x + 1); ++nx) {
      if (image.pixel(nx, ny) != own) return true;
    }
  }
  return false;
}

QString Hex(QRgb pixel) { return QColor(pixel).name(); }

// Qt's raster engine rounds some antialiased blends differently from one
// processor to another, and the see-through pictures keep such blends along
// their silhouettes, so pictures painted on another machine may differ from
// the committed ones in a few edge pixels. Any difference inside an
// area of one colour, or in more than one pixel in 500, is a change of the
// picture.
::testing::AssertionResult SameButForEdgeRounding(const QImage& committed, const QImage& generated) {
  if (committed.size() != generated.size()) return ::testing::AssertionFailure() << "the sizes differ";
  const int allowed = committed.width() * committed.height() / 500;
  int differing = 0;
  std::optional<QPoint> offEdge;
  for (int y = 0; y < committed.height(); ++y) {
    for (int x = 0; x < committed.width(); ++x) {
      if (committed.pixel(x, y) == generated.pixel(x, y)) continue;
      ++differing;
      if (!offEdge && !OnAnEdge(committed, x, y)) offEdge = QPoint(x, y);
    }
  }
  if (offEdge) {
    return ::testing::AssertionFailure() << "pixel (" << offEdge->x() << ", " << offEdge->y()
                                         << ") inside an area of one colour is "
                                         << Hex(generated.pixel(*offEdge)).toStdString() << ", committed "
                                         << Hex(committed.pixel(*offEdge)).toStdString() << " (" << differing
                                         << " pixels differ)";
  }
  if (differing > allowed) {
    return ::testing::AssertionFailure() << differing << " edge pixels differ, more than the " << allowed
                                         << " that rounding may explain";
  }
  return ::testing::AssertionSuccess();
}

class PicturesTest : public ::testing::Test {
 protected:
  PicturesTest() : output_("coilrun-pictures") {
    // Well within the test's timeout, so that a generator that hangs fails
    // here, with what it printed.
    QProcess generator;
    generator.start(QStringLiteral(COILRUN_PICTURE_GENERATOR), {QString::fromStdString((output_ / ".").string())});
    EXPECT_TRUE(generator.waitForFinished(20000));
    EXPECT_EQ(generator.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
  }

  QImage Generated(const Expected& picture) const {
    return QImage(QString::fromStdString((output_ / picture.fileName).string()));
  }

 private:
  coilrun::testing::TempDirectory output_;
};

TEST_F(PicturesTest, TheCommittedPicturesAreTheGeneratorsAtTheirSizes) {
  for (const auto& picture : kExpected) {
    SCOPED_TRACE(picture.fileName);
    const QImage generated = Generated(picture).convertToFormat(QImage::Format_RGB32);
    const QImage committed = QImage(QStringLiteral(COILRUN_PICTURES_DIR "/") + QString::fromLatin1(picture.fileName))
                                 .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(generated.size(), picture.size);
    EXPECT_EQ(committed.size(), picture.size);
    EXPECT_TRUE(SameButForEdgeRounding(committed, generated)) << "run `make pictures` and commit data/pictures/";
  }
}

// The screens turn only exact white into the field colour: the surroundings
// must be exactly white, nothing meant to show may be, and the silhouette's
// edge must not be a pale blend with the white it was painted over.
TEST_F(PicturesTest, SeeThroughPicturesHaveWhiteSurroundingsAndAHardDarkEdge) {
  for (const auto& picture : kExpected) {
    if (!picture.seeThrough) continue;
    SCOPED_TRACE(picture.fileName);
    const QImage image = Generated(picture).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), picture.size);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
      EXPECT_EQ(image.pixel(corner), kSeeThrough) << corner.x() << "," << corner.y();
    }
    int whiteInside = 0;
    for (int y = picture.solid.top(); y <= picture.solid.bottom(); ++y) {
      for (int x = picture.solid.left(); x <= picture.solid.right(); ++x)
        whiteInside += image.pixel(x, y) == kSeeThrough;
    }
    EXPECT_EQ(whiteInside, 0);

    int paleEdge = 0;
    for (int y = 1; y < bottom; ++y) {
      for (int x = 1; x < right; ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (pixel == kSeeThrough) continue;
        const bool onEdge = image.pixel(x - 1, y) == kSeeThrough || image.pixel(x + 1, y) == kSeeThrough ||
                            image.pixel(x, y - 1) == kSeeThrough || image.pixel(x, y + 1) == kSeeThrough;
        paleEdge += onEdge && qRed(pixel) >= 0xE0 && qGreen(pixel) >= 0xE0 && qBlue(pixel) >= 0xE0;
      }
    }
    EXPECT_EQ(paleEdge, 0);
  }
}

}  // namespace
