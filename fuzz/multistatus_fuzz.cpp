// The multistatus reader: any bytes give entries or nothing; an entry's status
// is an HTTP status and what reads once reads the same again.
#include "fuzz/fuzz_file.h"
#include "sync/dav_xml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const auto ms = read_multistatus(bytes);
  if (!ms) return 0;
  for (const DavEntry& entry : ms->entries) FUZZ_CHECK(entry.status >= 0);
  const auto again = read_multistatus(bytes);
  FUZZ_CHECK(again && again->entries.size() == ms->entries.size());
  return 0;
}
