#include "shell/command_line.h"

namespace coilrun {

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine commandLine;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (argument == QStringLiteral("--data-dir") && i + 1 < arguments.size()) {
      commandLine.dataDirectory = arguments.at(++i);
    } else if (commandLine.levelFile.isEmpty()) {
      commandLine.levelFile = argument;
    }
  }
  return commandLine;
}

}  // namespace coilrun
