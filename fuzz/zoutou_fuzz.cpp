// ZOUTOU.ZOU: any bytes read; what is written reads back to the same two lists,
// byte for byte, so no gift is ever dropped by a save.
#include "fuzz/fuzz_file.h"
#include "gifts/zouto_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ZoutouData gifts = read_zoutou(fuzz_file(data, size, "ZOUTOU.ZOU"));
  const QString again = QDir(fuzz_folder()).filePath("ZOUTOU.ZOU");
  if (!write_zoutou(again, gifts)) return 0;
  FUZZ_CHECK(zoutou_bytes(read_zoutou(again)) == zoutou_bytes(gifts));
  return 0;
}
