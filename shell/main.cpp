#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <cstdio>

#include "shell/audio_library.h"
#include "shell/command_line.h"
#include "shell/data_directory.h"
#include "shell/font_configuration.h"
#include "shell/main_form.h"
#include "shell/sound_library_messages.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Help and version are answered before the window system is reached, so
  // that they work without a display.
  const coilrun::CommandLine::Request request = coilrun::ParseCommandLine(ArgumentsOf(argc, argv)).request;
  if (request != coilrun::CommandLine::Request::Play) {
    const QString text = request == coilrun::CommandLine::Request::Help ? coilrun::UsageText() : coilrun::VersionText();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
  }

  // While Qt starts, one thread loads the sound library, which the sound
  // step takes, and then reads the font configuration, which the window's
  // first text needs. In this order the window shows sooner than with the
  // fonts first (measured on two cores: 1 to 3 ms).
  coilrun::SdlLibrary::LoadAhead(coilrun::ReadFontConfiguration);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("coilrun"));
  // Ties the window to its desktop entry, for the icon and the name a desktop shows.
  QApplication::setDesktopFileName(QStringLiteral("coilrun"));

  // Read again now that Qt has taken its own options out.
  const coilrun::CommandLine commandLine = coilrun::ParseCommandLine(application.arguments());
  coilrun::ShowSoundLibraryMessages(commandLine.verbose || qEnvironmentVariableIntValue("COILRUN_VERBOSE") != 0);
  QString dataDirectory = coilrun::ResolveDataDirectory(commandLine.dataDirectory, application.applicationDirPath());
  if (dataDirectory.isEmpty()) {
    // The game is still worth playing; each file that cannot be kept says so.
    QMessageBox::critical(nullptr, QStringLiteral("coilrun"),
                          QStringLiteral("No writable directory for the game's files was found."));
    dataDirectory = application.applicationDirPath();
  }

  coilrun::MainForm mainForm(dataDirectory, commandLine.levelFile);
  if (!commandLine.recordFile.isEmpty()) mainForm.replays().RecordEveryGameTo(commandLine.recordFile);
  mainForm.adjustSize();
  mainForm.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, mainForm.size(),
                                           application.primaryScreen()->availableGeometry()));
  mainForm.show();
  if (!commandLine.replayFile.isEmpty()) mainForm.replays().Watch(commandLine.replayFile);
  if (commandLine.edit) mainForm.OpenLevelEditor(commandLine.editFile);
  return application.exec();
}
