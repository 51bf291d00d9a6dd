#include "app/koyomi_command.h"

#include <QDate>
#include <cstdio>

#include "almanac/almanac_feature.h"

namespace {

QDate koyomi_date_argument(const QString& text) {
  const QDate date = QDate::fromString(text, "yyyy-MM-dd");
  if (!date.isValid())
    throw UsageError{
        QString("「%1」は日付ではありません。YYYY-MM-DD の形で指定してください。").arg(text)};
  if (!in_koyomi_range(date))
    throw UsageError{QString("日付「%1」は範囲外です。%2年から%3年までの日付を指定してください。")
                         .arg(text)
                         .arg(kFirstKoyomiYear)
                         .arg(kLastKoyomiYear)};
  return date;
}

// Date, 旧暦, 六曜, 干支, the day's names, moon age, moon phase; separated by tabs.
QString koyomi_line(const KoyomiDay& day) {
  return QStringList{day.date.toString("yyyy-MM-dd"),
                     lunar_date_text(day),
                     day.rokuyou,
                     day.kanshi,
                     day.names.join("、"),
                     QString::number(day.moon_age, 'f', 1),
                     moon_phase_name(day.phase)}
      .join('\t');
}

}  // namespace

int run_koyomi(const CommandArgs& args) {
  const QDate today = QDate::currentDate();
  const QDate from = args.args.size() > 0 ? koyomi_date_argument(args.args[0]) : today;
  const QDate to = args.args.size() > 1 ? koyomi_date_argument(args.args[1]) : from;
  if (!in_koyomi_range(from))
    return fail(QString("今日の日付が%1年から%2年の範囲外です。日付を指定してください。")
                    .arg(kFirstKoyomiYear)
                    .arg(kLastKoyomiYear));
  if (to < from) throw UsageError{"終わりの日付が始めの日付より前です。"};
  QByteArray out;
  for (const KoyomiDay& day : command_feature<AlmanacFeature>().days(from, to))
    out += (koyomi_line(day) + '\n').toUtf8();
  std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
  return kExitOk;
}
