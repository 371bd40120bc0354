#include "shell/command_line.h"

#include <algorithm>

namespace coilrun {

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine commandLine;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (argument == QStringLiteral("--help")) {
      commandLine.request = std::max(commandLine.request, CommandLine::Request::Help);
    } else if (argument == QStringLiteral("--version")) {
      commandLine.request = std::max(commandLine.request, CommandLine::Request::Version);
    } else if (argument == QStringLiteral("--verbose")) {
      commandLine.verbose = true;
    } else if (argument == QStringLiteral("--data-dir") && i + 1 < arguments.size()) {
      commandLine.dataDirectory = arguments.at(++i);
    } else if (argument == QStringLiteral("--record") && i + 1 < arguments.size()) {
      commandLine.recordFile = arguments.at(++i);
    } else if (argument == QStringLiteral("--replay") && i + 1 < arguments.size()) {
      commandLine.replayFile = arguments.at(++i);
    } else if (argument == QStringLiteral("--edit")) {
      commandLine.edit = true;
      if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QStringLiteral("--"))) {
        commandLine.editFile = arguments.at(++i);
      }
    } else if (commandLine.levelFile.isEmpty()) {
      commandLine.levelFile = argument;
    }
  }
  return commandLine;
}

QString UsageText() {
  return QStringLiteral(
      "Usage: coilrun [--data-dir DIR] [--verbose] [--record FILE]\n"
      "               [LEVEL-FILE | --edit [LEVEL-FILE] | --replay FILE]\n"
      "A snake game for one to four players on one keyboard.\n"
      "\n"
      "  LEVEL-FILE      start a game on the levels of this file (*.lvl), paused\n"
      "  --edit [FILE]   open the level editor, on FILE if one is named\n"
      "  --data-dir DIR  keep settings.dat, hscores.dat, coilrun.ini and the sound\n"
      "                  files in DIR (by default in the per-user data directory\n"
      "                  for an installed copy, else beside the program unless its\n"
      "                  directory cannot be written)\n"
      "  --record FILE   write every game played as a replay: the first to FILE,\n"
      "                  the next ones to FILE-2, FILE-3, ...\n"
      "  --replay FILE   watch the replay in FILE (*.crp)\n"
      "  --verbose       let the sound libraries report on the terminal (as does\n"
      "                  COILRUN_VERBOSE=1)\n"
      "  --help          show this help and exit\n"
      "  --version       show the version and exit\n");
}

QString VersionText() { return QStringLiteral("coilrun " COILRUN_VERSION "\n"); }

}  // namespace coilrun
