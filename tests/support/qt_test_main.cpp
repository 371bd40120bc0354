// main() of the test programs that draw or build windows. gtest_discover_tests
// lists the tests without the test environment, and Qt aborts without a
// display, so the headless platform is chosen here unless one is set.
#include <gtest/gtest.h>

#ifdef COILRUN_TEST_WIDGETS
#include <QApplication>

#include "tests/shell/modal_answer.h"
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Tests never need a sound card; the players play on SDL's silent driver.
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  TestApplication application(argc, argv);
#ifdef COILRUN_TEST_WIDGETS
  const coilrun::testing::UnexpectedDialogGuard closesUnansweredDialogs;
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
