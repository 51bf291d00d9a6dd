// The ledger's year file, listings, totals and month and year navigation.
#include <QFile>

#include "core/platform.h"
#include "core/record_form.h"
#include "ledger/kozukai.h"

namespace {

constexpr Rgb kHighlight{255, 128, 255};
constexpr Rgb kPlain{255, 192, 128};
const QString kNoData = "データが登録されていません。";

}  // namespace

void Kozukai::read_dat() {
  tables = {};
  const QString file = koz_file_name(koz_year);
  const auto read = read_koz_file(file);
  // A file that is there but cannot be read must not be replaced by what this
  // window holds, or its records would be lost.
  unreadable_ = !read && QFile::exists(file);
  nodata_flg = !read;
  if (read) tables = *read;
}

bool Kozukai::save_dat() {
  const QString file = koz_file_name(koz_year);
  return save_if_changed(platform(), dirty_flg, file,
                         [&] { return !unreadable_ && write_koz_file(file, tables); });
}

void Kozukai::newtoshi_dat() {
  read_dat();
  c("Label3").text = year_month_caption(koz_year, koz_month);
}

void Kozukai::highlight_kind(KozKind kind) {
  c("Label4", 0).back = kind == KozKind::Nyukin ? kHighlight : kPlain;
  c("Label4", 1).back = kind == KozKind::Shisyutu ? kHighlight : kPlain;
  c("Label4", 2).back = kPlain;
}

void Kozukai::show_listing(KozKind kind, KozTerm term) {
  const KozListing listing = make_listing(tables, kind, term, koz_year, koz_month);
  Control& list = c("List1");
  list.items = listing.lines;
  list.selected = -1;
  nodata_flg = listing.lines.isEmpty();
  c("Text3").text.clear();
  const qint64 zandaka = listing.nyukin_sum - listing.shisyutu_sum;
  c("Label7", 0).text = yen_text(listing.nyukin_sum);
  c("Label7", 1).text = yen_text(listing.shisyutu_sum);
  c("Label7", 2).text = yen_text(zandaka);
  c("Label7", 2).fore = zandaka < 0 ? kRed : kBlack;
  disp_kind = kind;
}

void Kozukai::Label4_Click(int index) {
  if (in_entry()) return;
  if (index == 0 || index == 1) {
    disp_kind = index == 0 ? KozKind::Nyukin : KozKind::Shisyutu;
    highlight_kind(disp_kind);
  }
  show_listing(disp_kind, disp_term);
}

void Kozukai::choose_term(KozTerm term) {
  if (in_entry()) return;
  c("Option1").checked = term == KozTerm::Year;
  c("Option2").checked = term == KozTerm::Month;
  disp_term = term;
  show_listing(disp_kind, disp_term);
}

void Kozukai::Command2_Click(int index) {
  const QString message = c("Text3").text;
  // A step whose save failed stays, so the unsaved records are not replaced
  // by another year's.
  if (!save_dat()) return;
  const KozStep step =
      navigation_step(index, {koz_year, koz_month}, last_step_year(platform().today()));
  koz_year = step.to.year;
  koz_month = step.to.month;
  if (step.reload) newtoshi_dat();
  show_listing(disp_kind, disp_term);
  if (nodata_flg && !in_entry()) c("Text3").text = kNoData;
  if (in_entry()) {
    c("Text3").text = message;
    focus_entry_box();
  }
  c("Label3").text = year_month_caption(koz_year, koz_month);
}
