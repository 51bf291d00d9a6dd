#include "sync/sync_local.h"

#include <QDate>
#include <set>

#include "address/jyusho_file.h"
#include "calendar/user_day_files.h"
#include "cards/meishi_file.h"
#include "core/text_file.h"
#include "memo/memo_file.h"

namespace {

constexpr int kMemoLimit = 200;
// The tables' own sizes: what the files hold is kept whole.
constexpr int kAnniversaryLimit = int(std::tuple_size_v<KinenTable>);
constexpr int kHolidayLimit = int(std::tuple_size_v<HoliTable>) - kHoliYears;

QString in(const QString& data_dir, const QString& name) { return data_dir + '/' + name; }

std::optional<SyncRecord> memo_record(const QStringList& lines) {
  const QString& first = lines.first();
  if (!QDate::fromString(first.left(10), "yyyy/MM/dd").isValid()) return std::nullopt;
  return SyncRecord{
      RecordKind::Memo, first.left(10), {(QStringList{first.mid(10)} + lines.mid(1)).join('\n')}};
}

QStringList memo_lines(const SyncRecord& record) {
  QStringList lines = record.fields.value(0).split('\n');
  lines.first().prepend(record.key);
  return lines;
}

QList<SyncRecord> contact_records(const QuotedRecords& book, RecordKind kind) {
  QList<SyncRecord> records;
  const int name = kind == RecordKind::Card ? kName : 0;
  const QStringList sample = sample_card();
  for (const QStringList& fields : book.records)
    if (kind != RecordKind::Card || fields != sample)
      records.append({kind, fields.value(name), fields});
  return records;
}

void put_contacts(QuotedRecords& book, const QList<SyncRecord>& records) {
  // Kept lines stay before the record they stood before, or at the end.
  for (KeptLine& line : book.kept)
    line.before = std::min<qsizetype>(line.before, qsizetype(records.size()));
  book.records.clear();
  for (const SyncRecord& r : records) book.records.push_back(r.fields);
}

void put_holidays(HoliTable& table, const QList<SyncRecord>& dates) {
  std::set<QString> keys;
  for (const SyncRecord& r : dates) keys.insert(r.key);
  // Year slots the user set stay; a date's year gets one where there is room.
  QStringList years;
  for (int i = 0; i < kHoliYears; ++i)
    if (!table[i].isEmpty()) years << table[i];
  HoliTable fresh;
  int slot = kHoliYears;
  for (const QString& key : keys) {
    const QString year = key.left(4);
    if (!years.contains(year)) {
      if (years.size() == kHoliYears) continue;
      years << year;
    }
    if (slot < int(fresh.size())) fresh[slot++] = key;
  }
  for (int i = 0; i < years.size(); ++i) fresh[i] = years[i];
  normalise_holidays(fresh);
  table = fresh;
}

}  // namespace

LocalFiles read_local_files(const QString& data_dir) {
  LocalFiles files;
  files.holi_dat = read_holiday_file(in(data_dir, kHolidayFile));
  files.kinen_dat = read_memorial_file(in(data_dir, kMemorialFile));
  files.memos = parse_memo_lines(read_lines(in(data_dir, kMemoFile)).value_or(QStringList())).memos;
  files.addresses = read_quoted_records(in(data_dir, kAddressFile), kAddressFields);
  files.cards = read_cards(in(data_dir, kCardFile));
  return files;
}

QList<SyncRecord> local_records(const LocalFiles& files, SyncCollection collection) {
  QList<SyncRecord> records;
  switch (collection) {
    case SyncCollection::Calendar:
      for (int i = 0, end = used_end(files.kinen_dat); i < end; ++i)
        records.append(
            {RecordKind::Anniversary, files.kinen_dat[i].left(4), {files.kinen_dat[i].mid(4)}});
      for (int i = kHoliYears, end = used_end(files.holi_dat, kHoliYears); i < end; ++i)
        if (QDate::fromString(files.holi_dat[i], "yyyyMMdd").isValid())
          records.append({RecordKind::Holiday, files.holi_dat[i], {}});
      for (const QStringList& memo : files.memos)
        if (auto record = memo_record(memo)) records.append(*record);
      return records;
    case SyncCollection::Addresses:
      return contact_records(files.addresses, RecordKind::Address);
    case SyncCollection::Cards:
      return contact_records(files.cards, RecordKind::Card);
  }
  return records;
}

void put_records(LocalFiles& files, SyncCollection collection, const QList<SyncRecord>& records) {
  if (collection == SyncCollection::Addresses) return put_contacts(files.addresses, records);
  if (collection == SyncCollection::Cards) return put_contacts(files.cards, records);
  QList<SyncRecord> holidays;
  files.kinen_dat = {};
  int anniversaries = 0;
  QList<QStringList> memos;
  for (const QStringList& memo : files.memos)
    if (!memo_record(memo)) memos << memo;  // no date: not the sync's
  for (const SyncRecord& r : records) {
    if (r.kind == RecordKind::Anniversary && anniversaries < kAnniversaryLimit)
      files.kinen_dat[anniversaries++] = r.key + r.fields.value(0);
    else if (r.kind == RecordKind::Holiday)
      holidays << r;
    else if (r.kind == RecordKind::Memo)
      memos << memo_lines(r);
  }
  files.memos = memos;
  put_holidays(files.holi_dat, holidays);
}

int record_limit(RecordKind kind) {
  switch (kind) {
    case RecordKind::Memo:
      return kMemoLimit;
    case RecordKind::Anniversary:
      return kAnniversaryLimit;
    case RecordKind::Holiday:
      return kHolidayLimit;
    case RecordKind::Address:
      return kAddressLimit;
    case RecordKind::Card:
      return kCardLimit;
  }
  return 0;
}

QList<SyncFile> collection_files(SyncCollection collection) {
  switch (collection) {
    case SyncCollection::Calendar:
      return {SyncFile::Memo, SyncFile::Memorial, SyncFile::Holiday};
    case SyncCollection::Addresses:
      return {SyncFile::Address};
    case SyncCollection::Cards:
      return {SyncFile::Cards};
  }
  return {};
}

std::optional<QString> write_local_files(const QString& data_dir, const LocalFiles& files,
                                         const QSet<SyncFile>& which) {
  const auto written = [&](SyncFile file) -> std::optional<QString> {
    switch (file) {
      case SyncFile::Memo: {
        QStringList texts;
        for (const QStringList& memo : files.memos) texts << memo.join("\r\n");
        if (write_lines(in(data_dir, kMemoFile), full_form_file(texts))) return std::nullopt;
        return in(data_dir, kMemoFile);
      }
      case SyncFile::Memorial:
        if (write_lines(in(data_dir, kMemorialFile), memorial_file_lines(files.kinen_dat)))
          return std::nullopt;
        return in(data_dir, kMemorialFile);
      case SyncFile::Holiday:
        if (write_lines(in(data_dir, kHolidayFile), holiday_file_lines(files.holi_dat)))
          return std::nullopt;
        return in(data_dir, kHolidayFile);
      case SyncFile::Address:
        if (write_quoted_records(in(data_dir, kAddressFile), files.addresses)) return std::nullopt;
        return in(data_dir, kAddressFile);
      case SyncFile::Cards:
        if (write_cards(in(data_dir, kCardFile), files.cards, true)) return std::nullopt;
        return in(data_dir, kCardFile);
    }
    return std::nullopt;
  };
  for (const SyncFile file :
       {SyncFile::Memo, SyncFile::Memorial, SyncFile::Holiday, SyncFile::Address, SyncFile::Cards})
    if (which.contains(file))
      if (auto failed = written(file)) return failed;
  return std::nullopt;
}
