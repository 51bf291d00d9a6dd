#include "baseball/baseball.h"

#include "core/number_text.h"
#include "core/spoken_names.h"
#include "settings/settings.h"

namespace {
constexpr SpokenName kSpokenNames[] = {
    {"List1", -1, "勝敗表"}, {"Command2", 0, "前のシーズン"}, {"Command2", 1, "次のシーズン"}};

constexpr int kFirstSeason = 1996, kLastSeason = 2010;
// At opening, the seasons after the base year that are tried in turn.
constexpr int kSeasonsTried = 14;
const QString kTitle = "ＢａｓｅＢａｌｌ";

}  // namespace

Baseball::Baseball(Module1& m, Platform& platform) : Form("Baseball", platform), m_(m) {
  create_controls();
  set_routes<Baseball>({
      {Event::Load, {}, &Baseball::Form_Load},
      {Event::QueryUnload, {}, &Baseball::Form_QueryUnload},
      {Event::Click, "Command2", &Baseball::Command2_Click},
      {Event::Click, "Command1", &Baseball::Command1_Click},
  });
}

void Baseball::create_controls() {
  caption = kTitle;
  Control& title = place(add(Kind::Label, "Label1"), 120, 120, 8175, 420);
  title.font = {"ＭＳ Ｐゴシック", 14, true};
  Control& list = place(add(Kind::ListBox, "List1"), 120, 600, 8175, 2985);
  // Fixed pitch: a full-width character takes two half-width cells, so the
  // columns of the rows line up under the heads.
  list.font = {"ＭＳ ゴシック", 10, false};
  list.back = kWhite;
  place(add(Kind::Button, "Command2", 0), 6240, 3720, 495, 375).text = "＜";
  place(add(Kind::Button, "Command2", 1), 6780, 3720, 495, 375).text = "＞";
  place(add(Kind::Button, "Command1"), 7320, 3720, 975, 375).text = "戻る";
  give_spoken_names(*this, kSpokenNames);
}

void Baseball::Form_Load() {
  width = 8535;
  height = 4665;
  team_name = team_names();
  bas_err = 0;
  bas_year = QString::number(m_.base_year);
  read_dat();
  for (int k = 1; bas_err == 1 && k <= kSeasonsTried; ++k) {
    bas_year = QString::number(m_.base_year + k);
    read_dat();
  }
  if (bas_err == 1) bas_year = QString::number(m_.base_year);
  record_make(1, 6);
  record_make(7, 12);
  make_dat();
  centre(2);
}

void Baseball::read_dat() {
  // A failed reading leaves the season held before untouched.
  auto season = read_season(season_file_name(bas_year));
  if (!season) {
    bas_err = 1;
    return;
  }
  bas_data = std::move(*season);
  bas_err = 0;
}

void Baseball::record_make(int first, int last) {
  (first == 1 ? cen_rec : pac_rec) = league_records(bas_data, first, last);
}

void Baseball::make_dat() {
  QStringList& items = c("List1").items;
  items.clear();
  c("List1").selected = -1;
  if (bas_err == 1) {
    items = no_season_lines();
    c("Label1").text = kTitle + "　　";
    return;
  }
  items << standings_header();
  for (int d = 1; d <= kLeagueTeams; ++d) items << standings_row(d, cen_rec[d - 1], 0);
  items << "";
  for (int d = 1; d <= kLeagueTeams; ++d) items << standings_row(d, pac_rec[d - 1], kLeagueTeams);
  c("Label1").text = kTitle + "　　" + bas_year;
}

void Baseball::Command2_Click(int index) {
  const QString old_year = bas_year;
  const int year = bas_year.toInt() + (index == 0 ? -1 : 1);
  // Each button keeps to its own end of the seasons.
  if (index == 0 ? year >= kFirstSeason : year <= kLastSeason) bas_year = QString::number(year);
  if (bas_year == old_year) return;
  read_dat();
  if (bas_err == 1) {
    // The season on screen stays, with its year.
    bas_err = 0;
    bas_year = old_year;
    return;
  }
  record_make(1, 6);
  record_make(7, 12);
  make_dat();
}

void Baseball::Command1_Click() {
  const int year = int(text_to_number(bas_year));
  if (year != m_.base_year) {
    m_.base_year = qint16(year);
    m_.ini_str = rebuild_token_string(m_.ini_str.left(6), m_.base_year, m_.ini_str);
    save_ini(m_, platform());
  }
  m_.flg_bas = 0;
  unload();
}

void Baseball::Form_QueryUnload() {
  // Closing by the close box keeps the settings as they were.
  m_.flg_bas = 0;
  unload();
}
