// Ledger year files TOyyyy.KOZ: any bytes read, listed every way and written
// back; the file written reads back to the same lines, byte for byte.
#include "fuzz/fuzz_file.h"
#include "ledger/kozukai_file.h"
#include "ledger/kozukai_lines.h"

namespace {

QByteArray all_bytes(const KozTables& tables) {
  QByteArray bytes;
  for (const auto* table : {&tables.nyukin, &tables.shisyutu})
    for (const KozLine& line : *table) bytes += line.bytes + "\r\n";
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto tables = read_koz_file(fuzz_file(data, size, "TO2003.KOZ"));
  if (!tables) return 0;
  for (const KozKind kind : {KozKind::Nyukin, KozKind::Shisyutu})
    for (const KozTerm term : {KozTerm::Year, KozTerm::Month})
      make_listing(*tables, kind, term, 2003, 5);
  const QString again = QDir(fuzz_folder()).filePath("TO2003.KOZ");
  if (!write_koz_file(again, *tables)) return 0;
  const auto reread = read_koz_file(again);
  FUZZ_CHECK(reread && all_bytes(*reread) == all_bytes(*tables));
  return 0;
}
