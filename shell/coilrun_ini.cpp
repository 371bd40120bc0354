#include "shell/coilrun_ini.h"

#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <algorithm>
#include <system_error>

#include "formats/record_file.h"

namespace coilrun {

namespace {

// Longer than any file of ours could honestly be; a larger one is not read.
constexpr qint64 kLargestIniFile = 1 << 20;

FileError Damaged(const std::filesystem::path& file, const std::string& why) {
  return FileError("The file \"" + file.filename().string() + "\" cannot be used (" + why +
                   "); it is kept aside and the extra options start from their defaults.");
}

FileError WriteFailure(const std::filesystem::path& file, const std::string& why) {
  return FileError("Unable to write \"" + file.string() + "\": " + why);
}

// Why the bytes are no INI text of ours, if they are not.
std::optional<std::string> NotIniText(const QByteArray& bytes) {
  if (bytes.contains('\0')) return "it holds binary bytes";
  QStringDecoder utf8(QStringDecoder::Utf8);
  [[maybe_unused]] const QString text = utf8(bytes);
  if (utf8.hasError()) return "it is not UTF-8 text";
  return std::nullopt;
}

}  // namespace

FileResult CoilrunIni::Load() {
  values_.clear();
  std::error_code error;
  const auto status = std::filesystem::status(file_, error);
  if (!std::filesystem::exists(status)) return std::nullopt;

  std::optional<std::string> why;
  QFile input(QString::fromStdString(file_.string()));
  if (!std::filesystem::is_regular_file(status)) {
    why = "it is not a file";
  } else if (!input.open(QIODevice::ReadOnly)) {
    why = input.errorString().toStdString();
  } else if (input.size() > kLargestIniFile) {
    why = "it is larger than 1 MiB";
  } else {
    why = NotIniText(input.readAll());
  }
  input.close();
  if (!why) {
    QSettings settings(QString::fromStdString(file_.string()), QSettings::IniFormat);
    if (settings.status() == QSettings::FormatError) {
      why = "it is not in the INI format";
    } else {
      for (const QString& key : settings.allKeys()) values_.insert(key, settings.value(key));
      return std::nullopt;
    }
  }
  KeepAside(file_);
  return Damaged(file_, *why);
}

FileResult CoilrunIni::Save() const {
  if (values_.isEmpty()) return std::nullopt;
  std::filesystem::path temporary = file_;
  temporary += '.';
  temporary += std::to_string(::getpid()) + ".new";
  {
    QSettings settings(QString::fromStdString(temporary.string()), QSettings::IniFormat);
    settings.clear();
    for (auto value = values_.cbegin(); value != values_.cend(); ++value) settings.setValue(value.key(), value.value());
    settings.sync();
    if (settings.status() != QSettings::NoError) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return WriteFailure(file_, "File access denied");
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file_, error);
  if (!error) return std::nullopt;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return WriteFailure(file_, FileError::FromErrno(error.value()).text());
}

int CoilrunIni::Integer(const QString& key, int fallback, int low, int high) const {
  bool ok = false;
  const qlonglong value = values_.value(key).toString().trimmed().toLongLong(&ok);
  if (!ok) return fallback;
  return static_cast<int>(std::clamp<qlonglong>(value, low, high));
}

bool CoilrunIni::Flag(const QString& key, bool fallback) const {
  const QString text = values_.value(key).toString().trimmed().toLower();
  if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
  if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
  return fallback;
}

QString CoilrunIni::Text(const QString& key, const QString& fallback) const {
  return values_.contains(key) ? values_.value(key).toString() : fallback;
}

void CoilrunIni::Set(const QString& key, const QVariant& value, const QVariant& defaultValue) {
  if (!values_.contains(key) && value == defaultValue) return;
  values_.insert(key, value);
}

}  // namespace coilrun
