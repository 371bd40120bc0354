// The program's command line: an optional level file, "--data-dir DIR" to
// keep the game's files somewhere else, "--edit [FILE]" for the level
// editor, "--verbose" to let the sound libraries speak on the terminal,
// and "--help" and "--version".
#pragma once

#include <QString>
#include <QStringList>

namespace coilrun {

struct CommandLine {
  // In rising precedence: of several requests the last named here wins.
  enum class Request { Play, Version, Help };

  Request request = Request::Play;
  QString dataDirectory;  // empty unless --data-dir was given
  bool verbose = false;
  QString levelFile;   // the first argument that is not an option
  QString recordFile;  // --record FILE: every game is written there as a replay
  QString replayFile;  // --replay FILE: the replay is played at start-up
  bool edit = false;   // --edit: the level editor opens at start-up
  QString editFile;    // the file named after --edit, if any
};

// `arguments` includes the program name first, as QCoreApplication gives it.
CommandLine ParseCommandLine(const QStringList& arguments);

// What "--help" and "--version" print.
QString UsageText();
QString VersionText();

}  // namespace coilrun
