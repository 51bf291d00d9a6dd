#include "core/text_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>

namespace {

QString write_bytes(const QTemporaryDir& dir, const QByteArray& bytes) {
  const QString path = dir.filePath("f.txt");
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return path;
}

QByteArray file_bytes(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

TEST(TextFile, Reading) {
  const struct {
    const char* name;
    std::optional<QByteArray> bytes;   // none: no file
    std::optional<QStringList> lines;  // none: not opened
  } cases[] = {
      {"CR LF, LF only and no last line end", "one\r\ntwo\nthree",
       QStringList{"one", "two", "three"}},
      {"empty lines are kept", "\r\n\r\nx\r\n", QStringList{"", "", "x"}},
      {"an empty file has no line", "", QStringList{}},
      {"a missing file is not opened", std::nullopt, std::nullopt},
      {"CP932", "\x83\x67\x83\x8a\x83\x78\r\n\x82\xa0\r\n",
       QStringList{QString::fromUtf8("トリベ"), QString::fromUtf8("あ")}},
      {"0x1A ends the text, within a line too", "one\r\ntw\x1ao\r\nthree\r\n",
       QStringList{"one", "tw"}},
      {"0x1A after a double-byte character", "\x82\xa0\x1a\r\n\x1a", QStringList{"あ"}},
  };
  QTemporaryDir dir;
  for (const auto& c : cases)
    EXPECT_EQ(read_lines(c.bytes ? write_bytes(dir, *c.bytes) : dir.filePath("none.txt")), c.lines)
        << c.name;
}

TEST(TextFile, InvalidBytesNeitherCrashNorSwallowLaterLines) {
  QTemporaryDir dir;
  const QString path = write_bytes(dir, QByteArray("A\xff\x80\xa0\x82\r\nnext\r\n\x82", 14));
  const QStringList lines = *read_lines(path);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[0].startsWith('A'));
  EXPECT_EQ(lines[1], "next");
}

TEST(TextFile, WritesCp932WithCrLfAndReadsBack) {
  QTemporaryDir dir;
  const QString path = dir.filePath("out.txt");
  const QStringList lines{QString::fromUtf8("ﾕｰｻﾞｰ休日"), "", "KOZ = 200305"};
  ASSERT_TRUE(write_lines(path, lines));
  EXPECT_EQ(file_bytes(path),
            QByteArray("\xd5\xb0\xbb\xde\xb0\x8b\x78\x93\xfa\r\n\r\nKOZ = 200305\r\n"));
  EXPECT_EQ(*read_lines(path), lines);
}

TEST(TextFile, FailedWriteLeavesOldFileAndSaysSo) {
  QTemporaryDir dir;
  EXPECT_FALSE(write_lines(dir.filePath("no/such/folder/out.txt"), {"x"}));
}

TEST(TextFile, TellsWhatCp932CannotHold) {
  EXPECT_TRUE(cp932_can_encode(QString::fromUtf8("①ｱ漢字～")));
  EXPECT_FALSE(cp932_can_encode(QString::fromUtf8("😀")));
  EXPECT_FALSE(cp932_can_encode(QString::fromUtf8("한")));
  EXPECT_FALSE(cp932_can_encode(QString(QChar(0x1c))));  // would be written as the end mark
}

TEST(TextFile, NamesEachCharacterCp932CannotHoldOnce) {
  EXPECT_EQ(cp932_unsaveable(QString::fromUtf8("メモ①")), "");
  EXPECT_EQ(cp932_unsaveable(QString::fromUtf8("a😀b한😀c")), QString::fromUtf8("😀한"));
  QString typed = QString::fromUtf8("a😀b한😀c①");
  EXPECT_EQ(take_out_unsaveable(typed), QString::fromUtf8("😀한"));
  EXPECT_EQ(typed, QString::fromUtf8("abc①"));
}

// Input methods and phones send the JIS forms; each becomes the character CP932
// holds, with that character's own bytes, so typing it is not refused.
TEST(TextFile, JisFormsBecomeWhatCp932Holds) {
  const struct {
    char16_t typed, kept;
    QByteArray bytes;
  } rows[] = {{u'〜', u'～', "\x81\x60"}, {u'−', u'－', "\x81\x7c"}, {u'‖', u'∥', "\x81\x61"},
              {u'—', u'―', "\x81\x5c"},   {u'¢', u'￠', "\x81\x91"}, {u'£', u'￡', "\x81\x92"},
              {u'¬', u'￢', "\x81\xca"}};
  for (const auto& row : rows) {
    const QString kept = replace_with_cp932_forms(QString("1") + QChar(row.typed) + "2");
    EXPECT_EQ(kept, QString("1") + QChar(row.kept) + "2") << int(row.typed);
    EXPECT_EQ(to_cp932(kept), "1" + row.bytes + "2") << int(row.typed);
  }
}

}  // namespace
