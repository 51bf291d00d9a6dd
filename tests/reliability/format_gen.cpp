#include "reliability/format_gen.h"

#include <QSet>

#include "core/dates.h"
#include "gifts/zouto_record.h"

Module1 gen_settings(RecordGen& gen) {
  Module1 m;
  m.ini_str = gen.chance(50) ? QStringLiteral("TORNDD000GHIJKLMNOPQRSTUVWXYZ0") : gen.text(60, ",");
  m.ini_koz =
      gen.chance(50) ? QString("KOZ = %1").arg(gen.date().toString("yyyyMM")) : gen.text(60, ",");
  m.ini_base = gen.text(60, ",");
  for (QString& line : m.ini_tor) line = gen.text(60, ",");
  return m;
}

HoliTable gen_holidays(RecordGen& gen, bool full) {
  HoliTable table;
  QList<int> years;
  const int year_count = full ? kHoliYears : gen.number(0, kHoliYears);
  while (years.size() < year_count) {
    const int year = gen.number(1990, 2040);
    if (!years.contains(year)) years.append(year);
  }
  for (int i = 0; i < years.size(); ++i) table[i] = QString::number(years[i]);
  const int date_slots = int(table.size()) - kHoliYears;
  const int dates = years.isEmpty() ? 0 : full ? date_slots : gen.count(date_slots);
  for (int i = 0; i < dates; ++i) {
    // Mostly days of the registered years; now and then a stray year, as a
    // hand-edited file may hold.
    const int year =
        gen.chance(95) ? years[gen.number(0, int(years.size()) - 1)] : gen.number(1900, 2099);
    const QDate day = gen.date(year, year);
    table[kHoliYears + i] = day.toString("yyyyMMdd");
  }
  return table;
}

KinenTable gen_memorials(RecordGen& gen, bool full) {
  KinenTable table;
  const int entries = full ? int(table.size()) : gen.count(int(table.size()));
  for (int i = 0; i < entries; ++i)
    table[i] = gen.date(2000, 2000).toString("MMdd") + gen.text(full ? 100 : 40);
  return table;
}

QStringList gen_memos(RecordGen& gen, bool full) {
  QStringList memos;
  const int count = full ? 200 : gen.count(200);
  for (int i = 0; i < count; ++i) {
    const QDate day = gen.date(1990, 2040);
    QString memo = date_key(day.year(), day.month(), day.day()) + gen.text(full ? 60 : 30);
    memo += "\r\n";
    for (int line = gen.number(0, full ? 4 : 3); line > 0; --line) {
      QString text = gen.filled_text(full ? 60 : 30);
      for (int at : {4, 7})
        if (text.size() > at && text[at] == u'/') text[at] = u'／';
      memo += text + "\r\n";
    }
    memos.append(memo);
  }
  return memos;
}

QList<QStringList> gen_quoted_records(RecordGen& gen, const QList<int>& max_lengths, int limit,
                                      bool full) {
  QList<QStringList> records;
  const int count = full ? limit : gen.count(limit);
  for (int i = 0; i < count; ++i) {
    QStringList fields;
    for (int length : max_lengths) fields.append(gen.text(length, "\""));
    records.append(fields);
  }
  return records;
}

QString gen_gift_record(RecordGen& gen) {
  const QDate day = gen.date(kFirstGiftYear, 2020);
  // The boxes take at most 20 characters each; the record pads or cuts to 20.
  return gift_record(gift_date_text(day.year(), day.month(), day.day()), gen.text(kGiftFieldLength),
                     gen.text(kGiftFieldLength));
}

ZoutouData gen_gifts(RecordGen& gen, bool full) {
  ZoutouData data;
  for (auto* part : {&data.given, &data.received}) {
    const int count = full ? kGiftLimit : gen.count(kGiftLimit);
    for (int i = 0; i < count; ++i) part->push_back({gen_gift_record(gen), {}});
  }
  return data;
}

QString gen_ledger_record(RecordGen& gen, bool income, int year) {
  const QDate day = gen.date(year, year);
  QString amount = QString::number(gen.chance(20) ? 9999999 : gen.number(1, 9999999));
  if (gen.chance(10)) amount = amount.rightJustified(gen.number(int(amount.size()), 20), u'0');
  return build_koz_record(income, year, day.month(), day.day(), amount, gen.text(30));
}

KozTables gen_ledger(RecordGen& gen, int year, bool full) {
  KozTables tables;
  for (int i = full ? 100 : gen.count(100); i > 0; --i)
    tables.nyukin.push_back(koz_line(gen_ledger_record(gen, true, year)));
  for (int i = full ? 1000 : gen.count(1000); i > 0; --i)
    tables.shisyutu.push_back(koz_line(gen_ledger_record(gen, false, year)));
  return tables;
}

SeasonData gen_season(RecordGen& gen) {
  SeasonData season;
  const int empty_percent = gen.number(0, 100);
  for (auto& team : season)
    for (auto& opponent : team)
      for (QString& game : opponent) {
        if (gen.chance(empty_percent)) continue;
        game = QString("%1%2%3")
                   .arg(gen.number(0, 25), 2)
                   .arg(gen.number(0, 25), 2)
                   .arg(gen.number(0, 99999), 5);
      }
  return season;
}

QByteArray season_bytes(RecordGen& gen, const SeasonData& season) {
  const QByteArray line_end = QList<QByteArray>{"\r\n", "\n", "\r"}[gen.number(0, 2)];
  const int per_line = QList<int>{1, 30, 180}[gen.number(0, 2)];
  const int quoted_percent = gen.number(0, 100);
  QByteArray bytes;
  int n = 0;
  for (const auto& team : season)
    for (const auto& opponent : team)
      for (const QString& game : opponent) {
        if (n % per_line != 0) bytes += ',';
        if (gen.chance(quoted_percent))
          bytes += QByteArray(gen.number(0, 2), ' ') + '"' + game.toLatin1() + '"';
        else
          bytes += game.toLatin1();
        if (++n % per_line == 0) bytes += line_end;
      }
  // The last line end is optional, unless the last field is an empty line.
  if (per_line > 1 && gen.chance(50)) bytes.chop(line_end.size());
  return bytes;
}
