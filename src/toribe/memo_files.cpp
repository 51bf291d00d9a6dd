// The main window's memo tables: the load from memo.dat, the rewrites and the
// memo indicators (count line, today icon).
#include "toribe/memo_files.h"

#include "core/platform.h"
#include "core/save.h"
#include "core/text_file.h"
#include "memo/memo_file.h"
#include "memo/memo_store.h"
#include "toribe/toribe.h"

namespace {

void take_tables(Toribe& form, MemoTables tables) {
  form.memo_txt = std::move(tables.memo_txt);
  form.memo_line = std::move(tables.memo_line);
  form.memo_cnt = tables.memo_cnt;
  form.today_memo = std::move(tables.today_memo);
}

}  // namespace

void Toribe::read_memo() {
  // A missing file is an empty one: no memos, nothing to rewrite.
  const QStringList lines = read_lines(kMemoFile).value_or(QStringList());
  MemoLoad load = load_memos(lines, m.memo_del == 1, platform().today());
  // A failed rewrite is told by save_lines; the file keeps the old memos and
  // the next load tries again.
  if (load.rewrite) save_lines(platform(), kMemoFile, load.rewrite_lines);
  take_tables(*this, std::move(load.tables));
}

void Toribe::memo_refresh() {
  c("Text4").text = memo_cnt != 0 ? QString::number(memo_cnt) + "件のメモがあります。" : QString();
  c("Image2").visible = today_memo.value(0) != 1000;
  speak_days();
}

void store_memo_file(Toribe& form, Platform& platform, const QStringList& file_lines) {
  if (save_lines(platform, kMemoFile, file_lines)) {
    form.read_memo();
  } else {
    // The file could not be replaced: hold the memos as they would have been
    // read back, so nothing is lost and the next save writes them.
    take_tables(form, load_memos(file_lines, false, platform.today()).tables);
  }
  form.memo_refresh();
}
