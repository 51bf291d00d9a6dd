#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/text_file.h"
#include "exchange/calendar_events.h"
#include "exchange/exchange.h"

namespace {

QString holiday_on(const QDate& date, bool law) {
  for (const CalendarEvent& event : national_holidays(date.year(), law))
    if (event.date == date) return event.summary;
  return {};
}

}  // namespace

TEST(CalendarExport, HolidaysFollowTheModeTheGridShows) {
  const struct {
    QDate date;
    bool law;
    QString name;
  } rows[] = {
      {{2023, 1, 2}, false, "振替休日"},   // 元旦 on a Sunday
      {{2000, 1, 10}, false, "成人の日"},  // the second Monday from 2000
      {{2012, 3, 20}, false, "春分の日"},
      {{2021, 8, 9}, false, ""},  // the built-in table has no 山の日
      {{2021, 8, 9}, true, "振替休日"},
      {{2019, 4, 30}, true, "国民の休日"},
      {{2026, 5, 6}, true, "振替休日"},
      {{1899, 1, 1}, false, ""},
      {{2051, 1, 1}, false, ""},
      {{2099, 1, 1}, true, "元日"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(holiday_on(row.date, row.law), row.name)
        << row.date.toString(Qt::ISODate).toStdString();
}

TEST(CalendarExport, EventsOfEveryFileWithStableUids) {
  QTemporaryDir dir;
  ASSERT_TRUE(write_lines(dir.filePath("Memorial.DAT"), {"0229閏日", "0505子供,日"}));
  ASSERT_TRUE(write_lines(dir.filePath("memo.dat"), {"2026/03/01買い物", "牛乳", "2027/03/01同じ",
                                                     "2027/03/01同じ", "2030/01/01範囲外"}));
  ASSERT_TRUE(write_lines(dir.filePath("Holiday.DAT"),
                          {"2026", "", "", "", "", "", "", "", "", "", "hjhljbkj"}));
  ASSERT_TRUE(write_lines(dir.filePath("Toribe.ini"), {"", "KOZ = 200305", "", "TORIBE1 = 1"}));
  const QByteArray first =
      export_calendar(dir.path(), 2026, 2027, QDateTime::fromSecsSinceEpoch(0));
  const QByteArray again = export_calendar(dir.path(), 2026, 2027, QDateTime::currentDateTimeUtc());
  const QString text = QString::fromUtf8(QByteArray(first).replace("\r\n ", ""));
  const QStringList expected = {
      "X-WR-CALNAME:トリベ",
      "DTSTART;VALUE=DATE:20280229\r\nDTEND;VALUE=DATE:20280301\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:"
      "閏日",
      "DTSTART;VALUE=DATE:20260505\r\nDTEND;VALUE=DATE:20260506\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:"
      "子供\\,日",
      "DTSTART;VALUE=DATE:20260810\r\nDTEND;VALUE=DATE:20260811\r\nSUMMARY:休日\r\nCATEGORIES:"
      "ユーザー休日",
      "SUMMARY:買い物\r\nDESCRIPTION:買い物\\n牛乳\r\nCATEGORIES:メモ\r\nTRANSP:TRANSPARENT",
      "SUMMARY:山の日\r\nCATEGORIES:祝日",  // Toribe.ini turns today's law on
      "DTSTAMP:19700101T000000Z",
  };
  for (const QString& part : expected) EXPECT_TRUE(text.contains(part)) << part.toStdString();
  EXPECT_FALSE(text.contains("範囲外"));
  EXPECT_EQ(text.count("SUMMARY:同じ"), 2);
  const auto uids = [](const QByteArray& ics) {
    QList<QByteArray> out;
    for (const QByteArray& line : ics.split('\n'))
      if (line.startsWith("UID:")) out << line;
    return out;
  };
  const QList<QByteArray> first_uids = uids(first);
  EXPECT_EQ(first_uids, uids(again));
  EXPECT_EQ(QSet<QByteArray>(first_uids.begin(), first_uids.end()).size(), first_uids.size());
}
