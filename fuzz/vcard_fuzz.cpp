// The vCard reader: any bytes give cards or an error naming a line of the input;
// whatever it takes into the address book is written and read back unchanged.
#include "core/quoted_records.h"
#include "exchange/contact_import.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const auto read = read_vcards(bytes);
  if (const auto* error = std::get_if<VcardError>(&read)) {
    FUZZ_CHECK(error->line >= 1 && error->line <= bytes.count('\n') + 1);
    FUZZ_CHECK(!error->message.isEmpty());
    return 0;
  }
  QuotedRecords book;
  const ImportSummary summary =
      append_contacts(book, std::get<QList<Vcard>>(read), ContactBook::Addresses);
  FUZZ_CHECK(qsizetype(book.records.size()) == summary.taken);
  const QString again = QDir(fuzz_folder()).filePath("Address.DAT");
  if (!write_quoted_records(again, book)) return 0;
  FUZZ_CHECK(read_quoted_records(again, 8).records == book.records);
  return 0;
}
