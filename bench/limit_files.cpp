#include "bench/limit_files.h"

#include <QDate>
#include <QDir>

#include "calendar/user_day_files.h"
#include "core/text_file.h"
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

}  // namespace

void write_limit_files(const QString& folder) {
  write_settings(folder);
  write_holidays(folder);
  write_anniversaries(folder);
  write_memos(folder);
}
