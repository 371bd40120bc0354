// coilrun.ini: the options the game has beyond those of settings.dat, which
// keeps its fixed 408-byte layout for other copies of the game. One class
// owns the file; each feature keeps its own keys in it ("Seats/...",
// "Keys/...", "View/...").
//
// The rules are settings.dat's: a missing file means defaults; a damaged or
// unreadable one is reported once, kept aside as coilrun.ini.damaged and
// replaced by defaults; values out of range are clamped when read; keys this
// version does not know are kept; the file is written at exit through a
// temporary file and a rename. A run that changed nothing writes nothing.
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <filesystem>

#include "formats/file_error.h"

namespace coilrun {

inline constexpr char kCoilrunIniName[] = "coilrun.ini";

class CoilrunIni {
 public:
  explicit CoilrunIni(std::filesystem::path file) : file_(std::move(file)) {}

  // Reads the file. A damaged one is kept aside, the defaults are used and
  // the failure is returned for the player to see.
  FileResult Load();
  // Writes every key read or set, when there is any.
  FileResult Save() const;

  // A stored whole number, clamped to [low, high]; the fallback when the key
  // is missing or holds no number.
  int Integer(const QString& key, int fallback, int low, int high) const;
  bool Flag(const QString& key, bool fallback) const;
  QString Text(const QString& key, const QString& fallback) const;

  // Stores a value; a value equal to its default is stored only when the
  // key is in the file already, so that an untouched option adds nothing.
  void Set(const QString& key, const QVariant& value, const QVariant& defaultValue);

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
  QVariantMap values_;
};

}  // namespace coilrun
