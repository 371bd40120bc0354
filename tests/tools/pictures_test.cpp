#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
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

class PicturesTest : public ::testing::Test {
 protected:
  PicturesTest() : output_("coilrun-pictures") {
    QProcess generator;
    generator.start(QStringLiteral(COILRUN_PICTURE_GENERATOR), {QString::fromStdString((output_ / ".").string())});
    EXPECT_TRUE(generator.waitForFinished(60000));
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
    EXPECT_TRUE(committed == generated) << "run `make pictures` and commit data/pictures/";
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
