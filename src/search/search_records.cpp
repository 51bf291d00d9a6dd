#include "search/search_records.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

#include "address/jyusho_file.h"
#include "calendar/user_day_files.h"
#include "cards/meishi_file.h"
#include "core/dates.h"
#include "core/text_file.h"
#include "gifts/zouto_file.h"
#include "gifts/zouto_record.h"
#include "ledger/kozukai_file.h"
#include "memo/memo_file.h"
#include "search/folding.h"
#include "search/holiday_names.h"

namespace {

using Records = std::vector<SearchRecord>;

void sort_by_date(Records& records, std::size_t from) {
  std::stable_sort(records.begin() + qsizetype(from), records.end(),
                   [](const SearchRecord& a, const SearchRecord& b) { return a.date < b.date; });
}

void add_memos(Records& out) {
  const std::size_t from = out.size();
  const QStringList lines = read_lines(kMemoFile).value_or(QStringList());
  for (QStringList memo : parse_memo_lines(lines).memos) {
    const std::optional<QDate> date = parse_date_key(memo.first());
    if (date) memo.first().remove(0, 10);
    out.push_back(search_record(Source::Memo, date.value_or(QDate()), memo));
  }
  sort_by_date(out, from);
}

// An anniversary's next day from today on, today included: 29 February waits for
// its leap year. Null for a day no year has.
QDate next_occurrence(int month, int day, const QDate& today) {
  for (int year = today.year(); year <= today.year() + 8; ++year)
    if (const QDate date(year, month, day); date.isValid() && date >= today) return date;
  return {};
}

void add_anniversaries(Records& out, const QDate& today) {
  const std::size_t from = out.size();
  const KinenTable kinen_dat = read_memorial_file(kMemorialFile);
  for (int slot = 0, end = used_end(kinen_dat); slot < end; ++slot) {
    const QString& entry = kinen_dat[slot];
    const QDate date = next_occurrence(entry.left(2).toInt(), entry.mid(2, 2).toInt(), today);
    out.push_back(search_record(Source::Anniversary, date, {entry.mid(4)}));
  }
  sort_by_date(out, from);
}

void add_holidays(Records& out, int year, bool law) {
  SyukuTable syuku_dat;
  GyoujiTable gyouji_dat;
  dat_set(syuku_dat, gyouji_dat);
  for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
    QStringList texts;
    for (const QString& text :
         {national_holiday_name(date, law, syuku_dat), observance_text(date, gyouji_dat)})
      if (!text.isEmpty()) texts << text;
    if (!texts.isEmpty()) out.push_back(search_record(Source::Holiday, date, texts));
  }
}

void add_ledger(Records& out) {
  static const QRegularExpression year_file("^TO(\\d{4})\\.KOZ$",
                                            QRegularExpression::CaseInsensitiveOption);
  QStringList files = QDir().entryList({"TO????.KOZ"}, QDir::Files);
  files.sort(Qt::CaseInsensitive);
  const std::size_t from = out.size();
  for (const QString& file : files) {
    if (!year_file.match(file).hasMatch()) continue;
    const std::optional<KozTables> tables = read_koz_file(file);
    if (!tables) continue;
    for (const auto* lines : {&tables->nyukin, &tables->shisyutu})
      for (const KozLine& line : *lines)
        if (const std::optional<KozRecord> r = parse_koz_record(line.text))
          out.push_back(search_record(Source::Ledger, QDate(r->year, r->month, r->day), {r->item}));
  }
  sort_by_date(out, from);
}

void add_quoted(Records& out, Source source, const QString& file, int field_count) {
  const QuotedRecords records = read_quoted_records(file, field_count);
  for (std::size_t i = 0; i < records.records.size(); ++i) {
    SearchRecord record = search_record(source, QDate(), records.records[i]);
    record.record = int(i);
    out.push_back(std::move(record));
  }
}

// "2003年5月6日  " + name and item, 20 characters each.
void add_gift(Records& out, const QString& line, int view, int row) {
  static const QRegularExpression dated("^(\\d+)年(\\d+)月(\\d+)日  ");
  const QRegularExpressionMatch match = dated.match(line);
  QDate date;
  QString rest = line;
  if (match.hasMatch()) {
    date = QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    rest = line.mid(match.capturedLength());
  }
  QStringList texts;
  for (const QString& text : {rest.left(kGiftFieldLength), rest.mid(kGiftFieldLength)})
    if (!text.trimmed().isEmpty()) texts << text.trimmed();
  SearchRecord record = search_record(Source::Gift, date, texts);
  record.view = view;
  record.record = row;
  out.push_back(std::move(record));
}

void add_gifts(Records& out) {
  const std::size_t from = out.size();
  const ZoutouData data = read_zoutou(kZoutouFile);
  for (std::size_t i = 0; i < data.given.size(); ++i) add_gift(out, data.given[i].text, 0, int(i));
  for (std::size_t i = 0; i < data.received.size(); ++i)
    add_gift(out, data.received[i].text, 1, int(i));
  sort_by_date(out, from);
}

}  // namespace

QString source_name(Source source) {
  switch (source) {
    case Source::Memo:
      return "メモ";
    case Source::Anniversary:
      return "記念日";
    case Source::Holiday:
      return "祝日";
    case Source::Ledger:
      return "こづかい帳";
    case Source::Card:
      return "名刺";
    case Source::Address:
      return "住所録";
    case Source::Gift:
      return "贈答";
  }
  return {};
}

SearchRecord search_record(Source source, const QDate& date, QStringList fields) {
  SearchRecord record;
  record.source = source;
  record.date = date;
  record.folded = fold_for_search(fields.join(QChar('\n')));
  record.fields = std::move(fields);
  return record;
}

std::vector<SearchRecord> read_search_records(const SearchScope& scope) {
  Records out;
  add_memos(out);
  add_anniversaries(out, scope.today);
  add_holidays(out, scope.today.year(), scope.law);
  add_ledger(out);
  add_quoted(out, Source::Card, kCardFile, kCardFields);
  add_quoted(out, Source::Address, kAddressFile, kAddressFields);
  add_gifts(out);
  return out;
}
