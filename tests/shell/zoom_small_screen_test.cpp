#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "shell/coilrun_ini.h"
#include "shell/main_form.h"

namespace coilrun {
namespace {

// The headless platform's screen, 800 x 800, holds 1x only: a zoom kept
// from a larger monitor is lowered, and the window is the specified one.
TEST(ZoomSmallScreenTest, AStoredZoomThatNoLongerFitsIsLowered) {
  QTemporaryDir dataDirectory;
  QFile ini(dataDirectory.filePath(QLatin1String(kCoilrunIniName)));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[View]\nZoom=3\n");
  ini.close();

  MainForm form(dataDirectory.path(), QString());
  form.show();
  EXPECT_EQ(form.centralWidget()->size(), QSize(512, 356));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.findChild<QAction*>(QStringLiteral("ZoomInItem"))->isEnabled());
}

}  // namespace
}  // namespace coilrun
