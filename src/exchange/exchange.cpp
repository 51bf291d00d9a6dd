#include "exchange/exchange.h"

#include "address/jyusho_file.h"
#include "calendar/user_day_files.h"
#include "cards/meishi_file.h"
#include "core/text_file.h"
#include "exchange/csv_export.h"
#include "exchange/ical_writer.h"
#include "exchange/vcard_writer.h"
#include "gifts/zouto_file.h"
#include "memo/memo_file.h"
#include "settings/settings.h"

namespace {

QString in(const QString& data_dir, const QString& name) { return data_dir + '/' + name; }

// Line n (from 1) of Toribe.ini, up to its first comma, read without the
// rewrite a short file gets when the window starts.
QString settings_line(const QString& data_dir, int n) {
  const auto lines = read_lines(in(data_dir, kSettingsFile));
  if (!lines || lines->size() < n) return {};
  const QString& line = (*lines)[n - 1];
  return line.left(line.indexOf(','));
}

QString book_file(ContactBook book) {
  return book == ContactBook::Addresses ? kAddressFile : kCardFile;
}

qsizetype field_count(ContactBook book) {
  return book == ContactBook::Addresses ? kAddressFields : kCardFields;
}

}  // namespace

QByteArray export_calendar(const QString& data_dir, int from, int to, const QDateTime& stamp) {
  CalendarData data;
  data.holi_dat = read_holiday_file(in(data_dir, kHolidayFile));
  data.kinen_dat = read_memorial_file(in(data_dir, kMemorialFile));
  data.memo_lines = read_lines(in(data_dir, kMemoFile)).value_or(QStringList());
  Module1 m;
  m.ini_tor[0] = settings_line(data_dir, 4);
  data.law = law_option(m);
  return icalendar_bytes(calendar_events(data, from, to), stamp);
}

QByteArray export_contacts(const QString& data_dir, ContactBook book) {
  const QuotedRecords records =
      read_quoted_records(in(data_dir, book_file(book)), field_count(book));
  return book == ContactBook::Addresses ? address_vcards(records.records)
                                        : card_vcards(records.records);
}

QByteArray export_ledger(const QString& data_dir, int year) {
  return ledger_csv(read_koz_file(in(data_dir, koz_file_name(year))).value_or(KozTables()), year);
}

QByteArray export_gifts(const QString& data_dir) {
  return gifts_csv(read_zoutou(in(data_dir, kZoutouFile)));
}

int ledger_year_shown(const QString& data_dir, const QDate& today) {
  const QString line = settings_line(data_dir, 2);
  const QString digits = line.mid(line.indexOf('=') + 1).trimmed();
  bool ok = false;
  const int year = digits.left(4).toInt(&ok);
  return ok && digits.size() >= 4 && year >= 1000 ? year : today.year();
}

std::variant<ImportSummary, QString> import_contacts(const QString& data_dir, ContactBook book,
                                                     const QByteArray& input,
                                                     const QString& file_name) {
  const auto read = read_vcards(input);
  if (const auto* error = std::get_if<VcardError>(&read))
    return QString("ファイル「%1」の %2 行目: %3")
        .arg(file_name)
        .arg(error->line)
        .arg(error->message);
  const QString path = in(data_dir, book_file(book));
  QuotedRecords records = read_quoted_records(path, field_count(book));
  const ImportSummary summary = append_contacts(records, std::get<QList<Vcard>>(read), book);
  if (summary.taken == 0) return summary;
  const bool written = book == ContactBook::Cards ? write_cards(path, records, true)
                                                  : write_quoted_records(path, records);
  if (!written) return QString("ファイル「%1」に書き込めませんでした。").arg(path);
  return summary;
}
