#include "gifts/zouto_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/text_file.h"

namespace {

class ZoutouFile : public ::testing::Test {
 protected:
  QString path() const { return dir.filePath(kZoutouFile); }
  void write(const QByteArray& bytes) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray bytes() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static std::vector<GiftLine> lines(const QStringList& texts) {
    std::vector<GiftLine> result;
    for (const QString& text : texts) result.push_back({text, {}});
    return result;
  }
  QTemporaryDir dir;
};

TEST_F(ZoutouFile, RoundTripKeepsBothListsAndTheSeparator) {
  const QString given = "2003年5月6日  山田太郎                5000                ";
  const QString received = "2003年12月24日  Sato, Ltd.          ﾀｵﾙ, 2枚             ";
  const struct {
    QStringList given, received;
    QByteArray file;
  } cases[] = {
      {{}, {}, "----------\r\n"},
      {{}, {received}, "----------\r\n" + to_cp932(received) + "\r\n"},
      {{given}, {}, to_cp932(given) + "\r\n----------\r\n"},
      {{given, given},
       {received},
       to_cp932(given) + "\r\n" + to_cp932(given) + "\r\n----------\r\n" + to_cp932(received) +
           "\r\n"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(write_zoutou(path(), {lines(c.given), lines(c.received)}));
    EXPECT_EQ(bytes(), c.file);
    const ZoutouData read = read_zoutou(path());
    EXPECT_EQ(read.given, lines(c.given));
    EXPECT_EQ(read.received, lines(c.received));
  }
}

TEST_F(ZoutouFile, BlankLinesAreSkippedAndBareLineEndsRead) {
  EXPECT_TRUE(read_zoutou(path()).given.empty());  // no file yet
  write("a\r\n\r\n   \r\nb\n----------\r\n\r\nc");
  const ZoutouData read = read_zoutou(path());
  EXPECT_EQ(read.given, lines({"a", "b"}));
  EXPECT_EQ(read.received, lines({"c"}));
}

TEST_F(ZoutouFile, LongListsAreKeptWholeAndTheReceivedPartStillRead) {
  QByteArray file;
  for (int i = 0; i < 600; ++i) file += "2003年5月6日  given " + QByteArray::number(i) + "\r\n";
  file += "----------\r\n";
  for (int i = 0; i < 510; ++i) file += "received " + QByteArray::number(i) + "\r\n";
  write(to_cp932(QString::fromUtf8(file)));
  const ZoutouData read = read_zoutou(path());
  ASSERT_EQ(read.given.size(), 600u);
  ASSERT_EQ(read.received.size(), 510u);
  EXPECT_EQ(read.given[599].text, "2003年5月6日  given 599");
  const QByteArray before = bytes();
  ASSERT_TRUE(write_zoutou(path(), read));
  EXPECT_EQ(bytes(), before);
}

TEST_F(ZoutouFile, LinesThatAreNotCp932AreWrittenBackAsTheyWere) {
  const QByteArray file = "ok\r\nbad \x81\x20 bytes\r\n----------\r\n\xff\xfe\r\n";
  write(file);
  const ZoutouData read = read_zoutou(path());
  ASSERT_EQ(read.given.size(), 2u);
  ASSERT_EQ(read.received.size(), 1u);
  EXPECT_EQ(read.given[0].text, "ok");
  ASSERT_TRUE(write_zoutou(path(), read));
  EXPECT_EQ(bytes(), file);
}

}  // namespace
