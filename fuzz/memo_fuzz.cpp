// memo.dat: any bytes loaded with and without the deletion of old memos; the full
// form written back loads to the same memos.
#include "core/text_file.h"
#include "fuzz/fuzz_file.h"
#include "memo/memo_file.h"
#include "memo/memo_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto lines = read_lines(fuzz_file(data, size, "memo.dat"));
  if (!lines) return 0;
  const QDate today(2003, 5, 12);
  load_memos(*lines, true, today);
  const MemoLoad load = load_memos(*lines, false, today);
  const QStringList memos = load.tables.memo_txt.mid(1, load.tables.memo_cnt);
  const QStringList written = full_form_file(memos);
  one_line_file(memos);
  const QString again = QDir(fuzz_folder()).filePath("memo.dat");
  if (!fuzz_encodable(written) || !write_lines(again, written)) return 0;
  const auto reread = read_lines(again);
  FUZZ_CHECK(reread);
  const MemoLoad second = load_memos(*reread, false, today);
  // A bare CR inside a line becomes a line end on writing, which may move a memo's
  // boundary; without one, every memo comes back.
  if (!lines->join(QString()).contains(QLatin1Char('\r')))
    FUZZ_CHECK(second.tables.memo_cnt == load.tables.memo_cnt);
  return 0;
}
