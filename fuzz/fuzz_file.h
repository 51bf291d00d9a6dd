#pragma once
// The readers take a file name, so each input is written to a file of its own
// folder first. The folder lives as long as the fuzzing process.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "core/text_file.h"

inline QString fuzz_file(const uint8_t* data, size_t size, const QString& name) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(reinterpret_cast<const char*>(data), qsizetype(size));
  return path;
}

inline QString fuzz_folder() {
  static QTemporaryDir dir;
  return dir.path();
}

// Lines that CP932 can hold whole, so that writing them loses nothing.
inline bool fuzz_encodable(const QStringList& lines) {
  for (const QString& line : lines)
    if (!cp932_can_encode(line)) return false;
  return true;
}

// A failed check stops the fuzzer with a crash report.
#define FUZZ_CHECK(condition)           \
  do {                                  \
    if (!(condition)) __builtin_trap(); \
  } while (0)
