// Round trips of the main window's files over generated contents: what the program
// writes reads back the same, and a file of any bytes, read and written back, keeps
// every well-formed record it held.
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>

#include "calendar/user_day_files.h"
#include "core/text_file.h"
#include "memo/memo_file.h"
#include "memo/memo_store.h"
#include "reliability/format_gen.h"
#include "reliability/round_trip.h"
#include "settings/settings.h"

namespace {

QStringList settings_lines(const Module1& m) {
  QStringList lines{m.ini_str, m.ini_koz, m.ini_base};
  for (const QString& line : m.ini_tor) lines << line;
  return lines;
}

template <std::size_t N>
QStringList table_lines(const std::array<QString, N>& table) {
  return QStringList(table.begin(), table.end());
}

TEST(RoundTrip, SettingsReadBackAsWritten) {
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("Toribe.ini");
  for_seeds(1000, kCases, [&](RecordGen& gen) {
    const Module1 written = gen_settings(gen);
    ASSERT_TRUE(write_ini(written, path));
    Module1 read;
    ASSERT_TRUE(read_ini(read, path));
    EXPECT_TRUE(same_lines(settings_lines(read), settings_lines(written)));
  });
}

TEST(RoundTrip, SettingsKeepEveryLineTheyCanHold) {
  // Lines 1 to 12 of any file: a value without a comma comes back byte for byte,
  // a line with a comma as its part before the comma; a short file gets the
  // default token string and keeps the lines it had.
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("Toribe.ini");
  for_seeds(2000, kCases, [&](RecordGen& gen) {
    QList<QByteArray> lines, want;
    for (int i = gen.chance(20) ? gen.number(0, 11) : gen.number(12, 16); i > 0; --i) {
      const QString value = gen.text(40, ",");
      switch (gen.number(0, 3)) {
        case 0:
          lines << gen.junk(20);
          want << QByteArray();  // not CP932: no value to keep
          break;
        case 1:
          lines << to_cp932(value + "," + gen.text(20));
          want << to_cp932(value);
          break;
        default:
          lines << to_cp932(value);
          want << to_cp932(value);
      }
    }
    ASSERT_TRUE(write_bytes(path, crlf_lines(lines)));
    Module1 m;
    set_ini_defaults(m, QDate(2003, 5, 1));
    read_ini(m, path);
    ASSERT_TRUE(write_ini(m, path));
    const QList<QByteArray> back = file_bytes(path).split('\n');
    ASSERT_EQ(back.size(), 13);
    for (int i = 0; i < 12 && i < want.size(); ++i) {
      if (i == 0 && lines.size() < 12) continue;
      if (!want[i].isNull()) {
        EXPECT_EQ(back[i], want[i] + "\r") << "line " << i + 1;
      }
    }
    if (lines.size() < 12) {
      EXPECT_EQ(back[0], to_cp932(kDefaultTokenString) + "\r");
    }
  });
}

TEST(RoundTrip, HolidaysReadBackAsWritten) {
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("Holiday.DAT");
  for_seeds(3000, kCases, [&](RecordGen& gen) {
    HoliTable table = gen_holidays(gen, gen.chance(5));
    normalise_holidays(table);
    ASSERT_TRUE(write_lines(path, holiday_file_lines(table)));
    EXPECT_TRUE(same_lines(table_lines(read_holiday_file(path)), table_lines(table)));
  });
}

TEST(RoundTrip, HolidaysKeepEveryDateTheTableCanHold) {
  // Year lines of any bytes; line 11 whole dates between pieces of other text, and
  // a short tail. Every date read comes back, and so does its year.
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("Holiday.DAT");
  for_seeds(4000, kCases, [&](RecordGen& gen) {
    const HoliTable source = gen_holidays(gen);
    QList<QByteArray> lines;
    for (int i = 0; i < kHoliYears; ++i)
      lines << (gen.chance(10) ? gen.junk(6) : to_cp932(source[i]));
    QString dates;
    QStringList want_dates;
    const int capacity = int(source.size()) - kHoliYears;
    for (int i = kHoliYears, pieces = 0; i < int(source.size()) && !source[i].isEmpty(); ++i) {
      // Eight characters of other text: read as an entry, they shift nothing.
      if (gen.chance(5)) {
        dates += gen.filled_text(8).leftJustified(8, u'x');
        ++pieces;
      }
      for (QChar c : source[i]) dates += QChar(char16_t(c.unicode() ^ kHolidayLineMask));
      if (pieces++ < capacity) want_dates << source[i];
    }
    lines << to_cp932(dates + gen.text(7));
    if (gen.chance(20)) lines << gen.junk(10);
    ASSERT_TRUE(write_bytes(path, crlf_lines(lines)));

    HoliTable table = read_holiday_file(path);
    normalise_holidays(table);
    ASSERT_TRUE(write_lines(path, holiday_file_lines(table)));
    const QStringList back = table_lines(read_holiday_file(path));
    const QSet<QString> back_years(back.begin(), back.begin() + kHoliYears);
    const QSet<QString> back_dates(back.begin() + kHoliYears, back.end());
    QSet<QByteArray> read_years(lines.begin(), lines.begin() + kHoliYears);
    for (const QString& date : want_dates) {
      if (!back_dates.contains(date)) ADD_FAILURE() << "lost " << date.toStdString();
      // The year line of a date stays, when it was readable.
      const QString year = date.left(4);
      if (read_years.contains(to_cp932(year)) && !back_years.contains(year)) {
        ADD_FAILURE() << "lost year " << year.toStdString();
      }
    }
  });
}

TEST(RoundTrip, AnniversariesReadBackAsWritten) {
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("Memorial.DAT");
  for_seeds(5000, kCases, [&](RecordGen& gen) {
    const KinenTable table = gen_memorials(gen, gen.chance(5));
    ASSERT_TRUE(write_lines(path, memorial_file_lines(table)));
    EXPECT_TRUE(same_lines(table_lines(read_memorial_file(path)), table_lines(table)));
  });
}

TEST(RoundTrip, AnniversariesKeepEveryLineTheTableCanHold) {
  // Any lines, empty ones between: the first 51 that are not empty come back, each
  // that was CP932 byte for byte.
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("Memorial.DAT");
  for_seeds(6000, kCases, [&](RecordGen& gen) {
    QList<QByteArray> lines, want;
    for (int i = gen.number(0, 70); i > 0; --i) {
      if (gen.chance(10)) {
        lines << QByteArray();
        continue;
      }
      const bool junk = gen.chance(10);
      lines << (junk ? gen.junk(30) : to_cp932(gen.date().toString("MMdd") + gen.text(40)));
      want << (junk ? QByteArray() : lines.last());
    }
    want = want.mid(0, int(KinenTable().size()));
    ASSERT_TRUE(write_bytes(path, crlf_lines(lines)));
    ASSERT_TRUE(write_lines(path, memorial_file_lines(read_memorial_file(path))));
    QList<QByteArray> back = file_bytes(path).split('\n');
    back.removeLast();
    ASSERT_EQ(back.size(), want.size());
    for (int i = 0; i < want.size(); ++i)
      if (!want[i].isNull()) {
        EXPECT_EQ(back[i], want[i] + "\r") << "line " << i + 1;
      }
  });
}

QStringList sorted(QStringList texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

QStringList one_line_forms(const QStringList& memos) {
  QStringList lines;
  for (QString memo : memos) lines << memo.remove("\r\n");
  return lines;
}

MemoTables reload(const QString& path, const QStringList& file_lines) {
  EXPECT_TRUE(write_lines(path, file_lines));
  return load_memos(read_lines(path).value(), false, QDate(2003, 5, 31)).tables;
}

TEST(RoundTrip, MemosReadBackAsWrittenInBothForms) {
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("memo.dat");
  for_seeds(7000, kCases, [&](RecordGen& gen) {
    const QStringList memos = gen_memos(gen, gen.chance(5));
    // A memo added in this run is held without its last line end.
    QStringList held = memos;
    for (QString& memo : held)
      if (gen.chance(20)) memo.chop(2);

    MemoTables full = reload(path, full_form_file(held));
    EXPECT_TRUE(same_lines(sorted(full.memo_txt.mid(1)), sorted(memos)));
    EXPECT_TRUE(same_lines(sorted(full.memo_line.mid(1)), sorted(one_line_forms(memos))));
    // Rewritten from what was read, over and over: the file never grows.
    full = reload(path, full_form_file(full.memo_txt.mid(1)));
    const QByteArray once = file_bytes(path);
    reload(path, full_form_file(full.memo_txt.mid(1)));
    EXPECT_EQ(file_bytes(path), once);

    const MemoTables one_line = reload(path, one_line_file(full.memo_line.mid(1)));
    EXPECT_TRUE(same_lines(sorted(one_line.memo_line.mid(1)), sorted(one_line_forms(memos))));
  });
}

TEST(RoundTrip, MemosKeepEveryWellFormedMemo) {
  // Lines before the first memo, empty lines, and memos with a line of bytes that are
  // not CP932: loaded with auto-delete on (which rewrites the file) and loaded again,
  // every memo whose lines were all CP932 is there unchanged.
  QTemporaryDir dir(scratch_folder());
  const QString path = dir.filePath("memo.dat");
  const QByteArray not_a_date = "memo....";
  for_seeds(8000, kCases, [&](RecordGen& gen) {
    QList<QByteArray> lines;
    for (int i = gen.number(0, 3); i > 0; --i) lines << not_a_date + gen.text(10).toUtf8();
    QStringList want;
    for (const QString& memo : gen_memos(gen)) {
      const bool damaged = gen.chance(10);
      QStringList memo_lines = memo.split("\r\n");
      memo_lines.removeLast();
      for (const QString& line : memo_lines) {
        lines << to_cp932(line);
        if (gen.chance(10)) lines << QByteArray();
      }
      if (damaged) {
        lines << not_a_date + gen.junk(10);
      } else {
        want << memo;
      }
    }
    ASSERT_TRUE(write_bytes(path, crlf_lines(lines)));
    const QDate long_ago(1900, 1, 1);
    const MemoLoad load = load_memos(read_lines(path).value(), true, long_ago);
    if (load.rewrite) {
      ASSERT_TRUE(write_lines(path, load.rewrite_lines));
    }
    const QStringList back = load_memos(read_lines(path).value(), false, long_ago).tables.memo_txt;
    for (const QString& memo : want) {
      if (!back.contains(memo)) ADD_FAILURE() << "lost memo " << memo.toStdString();
    }
  });
}

}  // namespace
