#include "core/quoted_records.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/text_file.h"

namespace {

QByteArray roundtrip(const QByteArray& input, qsizetype width) {
  QTemporaryDir dir;
  const QString path = dir.filePath("f.DAT");
  EXPECT_TRUE(write_bytes(path, input));
  return quoted_records_bytes(read_quoted_records(path, width));
}

}  // namespace

TEST(QuotedRecords, FieldsWithCommasEmptiesAndFullWidthTextRoundTrip) {
  const QStringList record{"株式会社　山田,本社", "", "〒100-0001", "a\tb"};
  const QString line = format_quoted_record(record);
  EXPECT_EQ(line, "\"株式会社　山田,本社\",\"\",\"〒100-0001\",\"a\tb\"");
  EXPECT_EQ(parse_quoted_record(line, 4), record);
  EXPECT_FALSE(parse_quoted_record(line, 3));
  EXPECT_FALSE(parse_quoted_record(line, 5));
  // A quote inside a field could not be written back.
  EXPECT_FALSE(parse_quoted_record("\"a\",b\"c\"", 2));
}

TEST(QuotedRecords, LinesThatAreNoRecordStayInTheirPlace) {
  // A short line, a record, bytes that are not CP932, a record: all come back unchanged.
  const QByteArray input =
      "\"only\",\"two\"\r\n\"a\",\"b\",\"c\"\r\n\"\x82\",\"x\",\"y\"\r\n\"d\",\"e\",\"f\"\r\n";
  EXPECT_EQ(roundtrip(input, 3), input);
}

TEST(QuotedRecords, ErasingARecordKeepsTheOtherLinesBetweenTheSameNeighbours) {
  QuotedRecords file;
  file.records = {{"1"}, {"2"}, {"3"}};
  file.kept = {{1, "broken-a"}, {2, "broken-b"}, {3, "broken-c"}};
  file.erase_record(1);
  EXPECT_EQ(quoted_records_bytes(file),
            QByteArray("\"1\"\r\nbroken-a\r\nbroken-b\r\n\"3\"\r\nbroken-c\r\n"));
}

TEST(QuotedRecords, MissingFileAndBlankLinesGiveNoRecords) {
  QTemporaryDir dir;
  EXPECT_TRUE(read_quoted_records(dir.filePath("none.DAT"), 2).records.empty());
  EXPECT_EQ(roundtrip("\r\n\"a\",\"b\"\r\n\r\n", 2), QByteArray("\"a\",\"b\"\r\n"));
}

TEST(QuotedRecords, OnlyLinesThatAreWrittenBackTheSameAreRecords) {
  const struct {
    const char* line;
    bool record;
  } cases[] = {
      {"\"a\",\"b\"", true},    // as written
      {" \"a\" , b ", true},    // blanks around fields carry nothing
      {"\"a\",\"b", true},      // an unclosed quote runs to the line end
      {"\"a\"x,\"b\"", false},  // text after the closing quote would be lost
      {"a\"b,\"c\"", false},    // a quote inside a field cannot be written back
      {"\"a\",\"b\"\"\"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(parse_quoted_record(QString::fromUtf8(c.line), 2).has_value(), c.record) << c.line;
}
