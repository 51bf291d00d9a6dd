// The ledger's year file, listings, totals and month and year navigation.
#include <QFile>

#include "core/platform.h"
#include "core/save.h"
#include "ledger/kozukai_rules.h"
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
  if (!read) {
    nodata_flg = 1;
    return;
  }
  tables = *read;
  nodata_flg = 0;
}

bool Kozukai::save_dat() {
  const QString file = koz_file_name(koz_year);
  if (unreadable_ || !write_koz_file(file, tables)) {
    tell_write_failure(platform(), file);
    return false;
  }
  dirty_flg = 0;
  return true;
}

void Kozukai::newtoshi_dat() {
  read_dat();
  c("Label3").text = year_month_caption(koz_year, koz_month);
}

void Kozukai::highlight_kind(int kind) {
  c("Label4", 0).back = kind == 1 ? kHighlight : kPlain;
  c("Label4", 1).back = kind == 2 ? kHighlight : kPlain;
  c("Label4", 2).back = kPlain;
}

void Kozukai::show_listing(KozKind kind, KozTerm term) {
  const KozListing listing = make_listing(tables, kind, term, koz_year, koz_month);
  Control& list = c("List1");
  list.items = listing.lines;
  list.selected = -1;
  nodata_flg = listing.lines.isEmpty() ? 1 : 0;
  c("Text3").text.clear();
  const qint64 zandaka = listing.nyukin_sum - listing.shisyutu_sum;
  c("Label7", 0).text = yen_text(listing.nyukin_sum);
  c("Label7", 1).text = yen_text(listing.shisyutu_sum);
  c("Label7", 2).text = yen_text(zandaka);
  c("Label7", 2).fore = zandaka < 0 ? kRed : kBlack;
  disp_kind = qint16(kind);
}

void Kozukai::make_dat3() { show_listing(KozKind::Shisyutu, KozTerm::Month); }
void Kozukai::make_dat4() { show_listing(KozKind::Nyukin, KozTerm::Month); }
void Kozukai::make_dat5() { show_listing(KozKind::Shisyutu, KozTerm::Year); }
void Kozukai::make_dat6() { show_listing(KozKind::Nyukin, KozTerm::Year); }

void Kozukai::list_current() {
  show_listing(disp_kind == 1 ? KozKind::Nyukin : KozKind::Shisyutu,
               disp_term == 1 ? KozTerm::Year : KozTerm::Month);
}

void Kozukai::Label4_Click(int index) {
  if (in_entry()) return;
  if (index == 0 || index == 1) {
    disp_kind = qint16(index + 1);
    highlight_kind(disp_kind);
  }
  list_current();
}

void Kozukai::Option1_Click() {
  if (in_entry()) return;
  c("Option1").checked = true;
  c("Option2").checked = false;
  disp_term = 1;
  list_current();
}

void Kozukai::Option2_Click() {
  if (in_entry()) return;
  c("Option1").checked = false;
  c("Option2").checked = true;
  disp_term = 2;
  list_current();
}

void Kozukai::Command2_Click(int index) {
  const QString message = c("Text3").text;
  // A step whose save failed stays, so the unsaved records are not replaced
  // by another year's.
  if (dirty_flg == 1 && !save_dat()) return;
  const KozStep step =
      navigation_step(index, {koz_year, koz_month}, last_step_year(platform().today()));
  koz_year = step.to.year;
  koz_month = step.to.month;
  if (step.reload) newtoshi_dat();
  list_current();
  if (nodata_flg == 1 && !in_entry()) c("Text3").text = kNoData;
  if (in_entry()) {
    c("Text3").text = message;
    focus_entry_box();
  }
  c("Label3").text = year_month_caption(koz_year, koz_month);
}
