#include "app/print_commands.h"

#include <QRegularExpression>

#include "address/jyusho_file.h"
#include "paper/address_pages.h"
#include "paper/calendar_page.h"
#include "print/print_feature.h"

namespace {

int write_document(const PaperDocument& document, const QString& path) {
  const QByteArray pdf = command_feature<PrintFeature>().pdf(document);
  if (pdf.isEmpty()) return fail(QString("「%1」を作れませんでした。").arg(path));
  if (const std::optional<QString> error = write_output(path, pdf)) return fail(*error);
  return kExitOk;
}

// The address book's records; a failure message when it holds none.
std::optional<std::vector<PostalAddress>> addresses(const CommandArgs& args) {
  const QuotedRecords book = read_quoted_records(args.data_file(kAddressFile), kAddressFields);
  if (book.records.empty()) return std::nullopt;
  return postal_addresses(book.records);
}

const QString kNoAddresses = QStringLiteral("住所録（Address.DAT）に住所がありません。");

}  // namespace

int print_calendar_command(const CommandArgs& args) {
  static const QRegularExpression year_month("^(\\d{4})-(\\d{2})$");
  const QRegularExpressionMatch match = year_month.match(args.args[0]);
  const int year = match.captured(1).toInt(), month = match.captured(2).toInt();
  if (!match.hasMatch() || year < 100 || month < 1 || month > 12)
    throw UsageError{QString("「%1」は年月ではありません（例: 2026-12）。").arg(args.args[0])};
  CalendarSources sources = read_calendar_sources(args.data_dir);
  PaperDocument document{QString("%1年%2月").arg(year).arg(month), {}};
  document.pages.push_back(calendar_page(year, month, std::move(sources)));
  return write_document(document, args.args[1]);
}

int print_labels_command(const CommandArgs& args) {
  const auto book = addresses(args);
  if (!book) return fail(kNoAddresses);
  return write_document(label_pages(*book), args.args[0]);
}

int print_postcards_command(const CommandArgs& args) {
  const auto book = addresses(args);
  if (!book) return fail(kNoAddresses);
  const PostcardPages cards = postcard_pages(
      *book, args.options.contains("--boxes") ? BoxOutlines::Draw : BoxOutlines::Omit);
  if (cards.document.pages.empty()) return fail("住所録に名前のある住所がありません。");
  const int status = write_document(cards.document, args.args[0]);
  if (status == kExitOk && cards.left_out > 0)
    print_err(QString("名前のない住所 %1 件は印刷しませんでした。").arg(cards.left_out));
  return status;
}
