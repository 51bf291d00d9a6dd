#include "app/exchange_commands.h"

#include <QDate>

#include "exchange/exchange_feature.h"

namespace {

// A year option: four digits, else a usage error.
int year_option(const CommandArgs& args, const QString& name, int fallback) {
  if (!args.options.contains(name)) return fallback;
  const QString text = args.options[name];
  bool ok = false;
  const int year = text.toInt(&ok);
  if (!ok || text.size() != 4 || year < 1000)
    throw UsageError{QString("%1 には4桁の年を指定してください。").arg(name)};
  return year;
}

const ExchangeFeature& exchange() { return command_feature<ExchangeFeature>(); }

int written(const CommandArgs& args, const QByteArray& bytes) {
  if (const auto error = write_output(args.args[0], bytes)) return fail(*error);
  return kExitOk;
}

int import_into(const CommandArgs& args, ContactBook book) {
  QString error;
  const auto input = read_input(args.args[0], error);
  if (!input) return fail(error);
  const QString name = args.args[0] == "-" ? QString("標準入力") : args.args[0];
  QString said;
  if (!exchange().import_contacts(args.data_dir, book, *input, name, said)) return fail(said);
  print_out(said);
  return kExitOk;
}

}  // namespace

int export_calendar_command(const CommandArgs& args) {
  const int this_year = QDate::currentDate().year();
  const int from = year_option(args, "--from", this_year);
  const int to = year_option(args, "--to", from + 1);
  if (to < from) throw UsageError{"--to の年は --from の年より前にできません。"};
  if (to - from > 200) throw UsageError{"書き出せるのは200年分までです。"};
  return written(
      args, exchange().export_calendar(args.data_dir, from, to, QDateTime::currentDateTimeUtc()));
}

int export_addresses_command(const CommandArgs& args) {
  return written(args, exchange().export_contacts(args.data_dir, ContactBook::Addresses));
}

int export_cards_command(const CommandArgs& args) {
  return written(args, exchange().export_contacts(args.data_dir, ContactBook::Cards));
}

int export_ledger_command(const CommandArgs& args) {
  const int year = year_option(args, "--year", QDate::currentDate().year());
  return written(args, exchange().export_ledger(args.data_dir, year));
}

int export_gifts_command(const CommandArgs& args) {
  return written(args, exchange().export_gifts(args.data_dir));
}

int import_addresses_command(const CommandArgs& args) {
  return import_into(args, ContactBook::Addresses);
}

int import_cards_command(const CommandArgs& args) { return import_into(args, ContactBook::Cards); }
