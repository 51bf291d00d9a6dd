// Round trips of the tool windows' record files over generated contents: what the
// program writes reads back the same, and a file of any lines, read and written back,
// keeps every record it held, byte for byte.
#include <QTemporaryDir>

#include "address/jyusho.h"
#include "cards/meishi_file.h"
#include "core/quoted_records.h"
#include "core/text_file.h"
#include "reliability/format_gen.h"
#include "reliability/round_trip.h"

namespace {

const QList<int> kCardLengths{20, 40, 12, 12, 10, 40, 16, 16, 16, 30};

struct QuotedFormat {
  const char* file;
  QList<int> lengths;
  int limit;
  QuotedRecords (*read)(const QString&);
  bool (*write)(const QString&, const QuotedRecords&);
};

const QuotedFormat kQuotedFormats[] = {
    {"Address.DAT", kAddressLengths, Jyusho::kLimit,
     [](const QString& path) { return read_quoted_records(path, Jyusho::kFieldCount); },
     write_quoted_records},
    {"Meishi.DAT", kCardLengths, kCardLimit, read_cards,
     [](const QString& path, const QuotedRecords& cards) {
       return write_cards(path, cards, !cards.records.empty());
     }},
};

QList<QStringList> records_of(const QuotedRecords& file) {
  return QList<QStringList>(file.records.begin(), file.records.end());
}

TEST(RoundTrip, QuotedRecordsReadBackAsWritten) {
  QTemporaryDir dir(scratch_folder());
  for (const QuotedFormat& format : kQuotedFormats) {
    SCOPED_TRACE(format.file);
    const QString path = dir.filePath(format.file);
    for_seeds(10000, kCases, [&](RecordGen& gen) {
      QuotedRecords written;
      for (const QStringList& record :
           gen_quoted_records(gen, format.lengths, format.limit, gen.chance(5)))
        written.records.push_back(record);
      ASSERT_TRUE(format.write(path, written));
      const QList<QStringList> back = records_of(format.read(path));
      ASSERT_EQ(back.size(), qsizetype(written.records.size()));
      for (qsizetype i = 0; i < back.size(); ++i)
        ASSERT_TRUE(same_lines(back[i], written.records[i])) << "record " << i;
    });
  }
}

TEST(RoundTrip, QuotedRecordsKeepEveryLine) {
  // Records, lines of the wrong width, fields holding a double quote, bytes that are
  // not CP932 and blank lines, more lines than the window takes: read and written
  // back, every line but the blank ones comes back byte for byte, in its place.
  QTemporaryDir dir(scratch_folder());
  for (const QuotedFormat& format : kQuotedFormats) {
    SCOPED_TRACE(format.file);
    const QString path = dir.filePath(format.file);
    const int width = int(format.lengths.size());
    for_seeds(11000, kCases, [&](RecordGen& gen) {
      QList<QByteArray> lines, want;
      const auto records = gen_quoted_records(gen, format.lengths, format.limit + 5);
      for (QStringList fields : records) {
        switch (gen.number(0, 9)) {
          case 0:
            lines << gen.junk(40);
            break;
          case 1:
            fields.resize(gen.chance(50) ? width - 1 : width + 1);
            lines << to_cp932(format_quoted_record(fields));
            break;
          case 2: {
            QString& field = fields[gen.number(0, width - 1)];
            field.insert(gen.number(0, int(field.size())), u'"');
            lines << to_cp932(format_quoted_record(fields));
            break;
          }
          case 3:
            lines << QByteArray(gen.number(0, 3), ' ');
            continue;
          default:
            lines << to_cp932(format_quoted_record(fields));
        }
        want << lines.last();
      }
      ASSERT_TRUE(write_bytes(path, crlf_lines(lines)));
      QuotedRecords file = format.read(path);
      ASSERT_TRUE(format.write(path, file));
      EXPECT_TRUE(same_lines(file_bytes(path).split('\n'), crlf_lines(want).split('\n')));
    });
  }
}

TEST(RoundTrip, GiftsReadBackAsWritten) {
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("ZOUTOU.ZOU");
  for_seeds(12000, kCases, [&](RecordGen& gen) {
    const ZoutouData written = gen_gifts(gen, gen.chance(5));
    ASSERT_TRUE(write_zoutou(path, written));
    const ZoutouData back = read_zoutou(path);
    EXPECT_TRUE(back.given == written.given && back.received == written.received);
  });
}

TEST(RoundTrip, GiftsKeepEveryLine) {
  // Gift lines, bytes that are not CP932, blank lines and separators (blanks around
  // one, a second one): every line that is neither blank nor a separator comes back
  // byte for byte in its list, and the file has one separator.
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("ZOUTOU.ZOU");
  for_seeds(13000, kCases, [&](RecordGen& gen) {
    QList<QByteArray> lines, given, received;
    bool separated = false;
    for (int i = gen.count(1200); i > 0; --i) {
      const int roll = gen.number(0, 99);
      if (roll < 3) {
        lines << QByteArray(gen.number(0, 2), ' ') + "----------" +
                     QByteArray(gen.number(0, 2), ' ');
        separated = true;
        continue;
      }
      if (roll < 6) {
        lines << QByteArray(gen.number(0, 3), ' ');
        continue;
      }
      lines << (roll < 12 ? gen.junk(50) : to_cp932(gen_gift_record(gen)));
      (separated ? received : given) << lines.last();
    }
    ASSERT_TRUE(write_bytes(path, crlf_lines(lines)));
    ASSERT_TRUE(write_zoutou(path, read_zoutou(path)));
    const QByteArray want = crlf_lines(given + QList<QByteArray>{"----------"} + received);
    EXPECT_TRUE(same_lines(file_bytes(path).split('\n'), want.split('\n')));
  });
}

QStringList texts_of(const std::vector<KozLine>& lines) {
  QStringList texts;
  for (const KozLine& line : lines) texts << line.text;
  return texts;
}

TEST(RoundTrip, LedgerReadBackAsWritten) {
  // Every record the window builds comes back, and reads as a record to list.
  QTemporaryDir dir(scratch_folder());
  for_seeds(15000, kCases, [&](RecordGen& gen) {
    const int year = gen.number(1995, 2030);
    const QString path = dir.filePath(koz_file_name(year));
    const KozTables written = gen_ledger(gen, year, gen.chance(5));
    ASSERT_TRUE(write_koz_file(path, written));
    const std::optional<KozTables> back = read_koz_file(path);
    ASSERT_TRUE(back);
    EXPECT_TRUE(same_lines(texts_of(back->nyukin), texts_of(written.nyukin)));
    EXPECT_TRUE(same_lines(texts_of(back->shisyutu), texts_of(written.shisyutu)));
    for (const auto* table : {&back->nyukin, &back->shisyutu})
      for (const KozLine& line : *table) {
        const auto record = parse_koz_record(line.text);
        if (!record || record->year != year || record->value < 1)
          ADD_FAILURE() << "not a record: " << line.text.toStdString();
      }
  });
}

TEST(RoundTrip, LedgerKeepsEveryLine) {
  // Records, hand-edited lines, bytes that are not CP932, empty lines, more than the
  // tables take: every line but the empty ones comes back byte for byte, the income
  // lines first, each part in file order.
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("TO2003.KOZ");
  for_seeds(16000, kCases, [&](RecordGen& gen) {
    QList<QByteArray> lines, income, expense;
    for (int i = gen.count(1200); i > 0; --i) {
      const int roll = gen.number(0, 99);
      if (roll < 5) {
        lines << QByteArray();
        continue;
      }
      if (roll < 10)
        lines << gen.junk(40);
      else if (roll < 15)
        lines << to_cp932((gen.chance(50) ? "*" : "") + gen.filled_text(40));
      else
        lines << to_cp932(gen_ledger_record(gen, roll < 30, 2003));
      (lines.last().startsWith('*') ? income : expense) << lines.last();
    }
    ASSERT_TRUE(write_bytes(path, crlf_lines(lines)));
    ASSERT_TRUE(write_koz_file(path, read_koz_file(path).value()));
    EXPECT_TRUE(same_lines(file_bytes(path).split('\n'), crlf_lines(income + expense).split('\n')));
  });
}

TEST(RoundTrip, SeasonFilesReadAsWritten) {
  // The season file is only read: written in any of its layouts, it gives its games.
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("Bas2003.DAT");
  for_seeds(14000, kCases, [&](RecordGen& gen) {
    const SeasonData season = gen_season(gen);
    ASSERT_TRUE(write_bytes(path, season_bytes(gen, season)));
    const std::optional<SeasonData> back = read_season(path);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == season);
  });
}

}  // namespace
