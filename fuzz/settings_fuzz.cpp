// Toribe.ini: any bytes read, parsed, padded and written back; a second read of
// what was written gives the same twelve lines.
#include "fuzz/fuzz_file.h"
#include "settings/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz_file(data, size, "Toribe.ini");
  Module1 m;
  set_ini_defaults(m, QDate(2003, 5, 12));
  read_ini(m, path);
  parse_token_string(m);
  pad_token_string(m);
  m.ini_str = rebuild_token_string(m.ini_str.left(6), m.base_year, m.ini_str);
  if (!fuzz_encodable({m.ini_str, m.ini_koz, m.ini_base}) ||
      !fuzz_encodable(QStringList(m.ini_tor.begin(), m.ini_tor.end())) || !write_ini(m, path))
    return 0;
  Module1 again;
  FUZZ_CHECK(read_ini(again, path));
  // Lines lose what follows a comma on reading, so compare from the written state.
  Module1 third;
  write_ini(again, path);
  FUZZ_CHECK(read_ini(third, path));
  FUZZ_CHECK(third.ini_str == again.ini_str && third.ini_koz == again.ini_koz &&
             third.ini_tor == again.ini_tor);
  return 0;
}
