#include "bench/limit_files.h"

#include <QDate>
#include <QDir>

#include "address/jyusho_file.h"
#include "calendar/user_day_files.h"
#include "cards/meishi_file.h"
#include "core/text_file.h"
#include "gifts/zouto_file.h"
#include "gifts/zouto_record.h"
#include "ledger/kozukai_file.h"
#include "memo/memo_file.h"
#include "settings/settings.h"

namespace {

// Ten years of user holidays filling all 1,501 date slots.
void write_holidays(const QString& folder) {
  HoliTable holi_dat;
  for (int y = 0; y < kHoliYears; ++y) holi_dat[y] = QString::number(2001 + y);
  const QDate first(2001, 1, 1);
  for (int i = kHoliYears, day = 0; i < int(holi_dat.size()); ++i, day += 2)
    holi_dat[i] = first.addDays(day).toString("yyyyMMdd");
  normalise_holidays(holi_dat);
  write_lines(QDir(folder).filePath(kHolidayFile), holiday_file_lines(holi_dat));
}

void write_anniversaries(const QString& folder) {
  KinenTable kinen_dat;
  for (int i = 0; i < int(kinen_dat.size()); ++i)
    kinen_dat[i] = QDate(2003, 1 + i % 12, 1 + i % 28).toString("MMdd") +
                   QString("記念日その%1　家族の誕生日").arg(i + 1);
  write_lines(QDir(folder).filePath(kMemorialFile), memorial_file_lines(kinen_dat));
}

// 200 memos of three lines each, spread over the months around today.
void write_memos(const QString& folder) {
  QStringList memos;
  const QDate today = QDate::currentDate();
  for (int i = 0; i < 200; ++i) {
    const QString key = today.addDays(i % 60 - 20).toString("yyyy/MM/dd");
    memos << key + QString("打ち合わせ %1 件目").arg(i + 1) + "\r\n会議室Ａ、資料を持参\r\n" +
                 "終わったら報告すること";
  }
  write_lines(QDir(folder).filePath(kMemoFile), full_form_file(memos));
}

void write_settings(const QString& folder) {
  Module1 m;
  set_ini_defaults(m, QDate::currentDate());
  write_ini(m, QDir(folder).filePath(kSettingsFile));
}

// Ten ledger years of 1,100 records each: 100 income and 1,000 expense lines.
void write_ledger(const QString& folder) {
  const int last = QDate::currentDate().year();
  for (int year = last - 9; year <= last; ++year) {
    KozTables tables;
    for (int i = 0; i < 1100; ++i) {
      const bool income = i < 100;
      const QString item =
          income ? QString("お小遣い%1").arg(i) : QString("昼食　ラーメン%1").arg(i);
      const KozLine line = koz_line(
          build_koz_record(income, year, 1 + i % 12, 1 + i % 28, QString::number(100 + i), item));
      (income ? tables.nyukin : tables.shisyutu).push_back(line);
    }
    write_koz_file(QDir(folder).filePath(koz_file_name(year)), tables);
  }
}

QStringList quoted_lines(int count, int fields, const QString& name) {
  QStringList lines;
  for (int i = 0; i < count; ++i) {
    QStringList record{QString("%1　%2号").arg(name).arg(i + 1)};
    for (int f = 1; f < fields; ++f) record << QString("ﾌｨｰﾙﾄﾞ%1 東京都千代田区%2").arg(f).arg(i);
    lines << format_quoted_record(record);
  }
  return lines;
}

// 500 gifts given and 500 received.
void write_gifts(const QString& folder) {
  QStringList lines;
  for (int list = 0; list < 2; ++list) {
    if (list == 1) lines << kGiftSeparator;
    for (int i = 0; i < kGiftLimit; ++i)
      lines << gift_record(gift_date_text(2003 + i % 10, 1 + i % 12, 1 + i % 28),
                           QString("鈴木%1").arg(i), list == 0 ? "お歳暮" : "お中元");
  }
  write_lines(QDir(folder).filePath(kZoutouFile), lines);
}

}  // namespace

void write_tool_limit_files(const QString& folder) {
  write_ledger(folder);
  write_lines(QDir(folder).filePath(kCardFile), quoted_lines(kCardLimit, kCardFields, "名刺"));
  write_lines(QDir(folder).filePath(kAddressFile),
              quoted_lines(kAddressLimit, kAddressFields, "住所"));
  write_gifts(folder);
}

void write_limit_files(const QString& folder) {
  write_tool_limit_files(folder);
  write_settings(folder);
  write_holidays(folder);
  write_anniversaries(folder);
  write_memos(folder);
}
