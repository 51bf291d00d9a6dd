// The CP932 line reader: any bytes split into lines; a strict decode that succeeds
// encodes to bytes that decode to the same text (CP932 has a few characters with
// two codes, so the bytes themselves may differ).
#include "core/text_file.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz_file(data, size, "text.txt");
  const auto lines = read_lines(path);
  const auto bytes = read_byte_lines(path);
  FUZZ_CHECK(lines && bytes && lines->size() == bytes->size());
  for (const QByteArray& line : *bytes) {
    const auto text = from_cp932_strict(line);
    if (text && cp932_can_encode(*text)) FUZZ_CHECK(from_cp932(to_cp932(*text)) == *text);
    cp932_unsaveable(from_cp932(line));
  }
  return 0;
}
