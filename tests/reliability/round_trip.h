#pragma once
// Helpers of the round-trip properties: a run over many seeds that names the seed
// of a failing case, and comparisons that show the first line that differs.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

#include "reliability/record_gen.h"

// Generated cases per format.
inline constexpr int kCases = 300;

// Runs check for seeds first .. first + cases - 1 and stops at the first failing one,
// whose seed the failure message names.
template <typename Check>
void for_seeds(quint32 first, int cases, Check check) {
  for (int i = 0; i < cases && !testing::Test::HasFailure(); ++i) {
    const quint32 seed = first + quint32(i);
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    RecordGen gen(seed);
    check(gen);
  }
}

// Equal lists, or the count and the first line that differs.
template <typename List>
testing::AssertionResult same_lines(const List& got, const List& want) {
  const qsizetype n = std::min(qsizetype(got.size()), qsizetype(want.size()));
  for (qsizetype i = 0; i < n; ++i)
    if (got[i] != want[i])
      return testing::AssertionFailure()
             << "line " << i << ": got \"" << QString(got[i]).toStdString() << "\", want \""
             << QString(want[i]).toStdString() << "\"";
  if (got.size() != want.size())
    return testing::AssertionFailure() << got.size() << " lines, want " << want.size();
  return testing::AssertionSuccess();
}

// A template for QTemporaryDir in memory where there is such a folder: every save
// syncs its file to disk, which would make hundreds of cases slow.
inline QString scratch_folder() {
  const QString memory = QStringLiteral("/dev/shm");
  return (QDir(memory).exists() ? memory : QDir::tempPath()) + "/toribe-XXXXXX";
}

inline QByteArray file_bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lines joined as the writers write them, each ended by CR LF.
inline QByteArray crlf_lines(const QList<QByteArray>& lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}
