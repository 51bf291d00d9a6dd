#include "kensaku/kensaku.h"

#include "core/platform.h"
#include "core/spoken_names.h"
#include "settings/settings.h"

namespace {

constexpr int kEnter = 13;
constexpr int kKeyUp = 38, kKeyDown = 40;

}  // namespace

Kensaku::Kensaku(Module1& m, Platform& platform, ShowPlace show_place)
    : Form("Kensaku", platform), m_(m), show_place_(std::move(show_place)) {
  create_controls();
  set_routes<Kensaku>({
      {Event::Load, {}, &Kensaku::Form_Load},
      {Event::Change, "Text1", &Kensaku::Text1_Change},
      {Event::KeyPress, "Text1", &Kensaku::Text1_KeyPress},
      {Event::KeyDown, "Text1", &Kensaku::Text1_KeyDown},
      {Event::DblClick, "List1", &Kensaku::List1_DblClick},
      {Event::KeyPress, "List1", &Kensaku::List1_KeyPress},
      {Event::Click, "Command1", &Kensaku::Command1_Click},
      {Event::Click, "Command2", &Kensaku::Command2_Click},
  });
}

void Kensaku::create_controls() {
  Control& box = place(add(Kind::TextBox, "Text1"), 120, 120, 5520, 330);
  box.tooltip = "探す言葉（空白で区切ると、すべてを含むものを探します）";
  Control& count = place(add(Kind::Label, "Label1"), 5760, 165, 1560, 270);
  count.align = Align::Right;
  Control& list = place(add(Kind::ListBox, "List1"), 120, 570, 7200, 3900);
  list.font = {"ＭＳ ゴシック", 9};
  place(add(Kind::Button, "Command1"), 4920, 4620, 1140, 375).text = "開く";
  place(add(Kind::Button, "Command2"), 6180, 4620, 1140, 375).text = "戻る";
  static constexpr SpokenName kSpokenNames[] = {{"Text1", -1, "探す言葉"},
                                                {"List1", -1, "見つかったもの"}};
  give_spoken_names(*this, kSpokenNames);
}

void Kensaku::Form_Load() {
  caption = "検索";
  width = 7560;
  height = 5520;
  centre(4);
  records = read_search_records({platform().today(), law_option(m_)});
  results = {};
  c("Text1").text.clear();
  c("List1").items.clear();
  c("List1").selected = -1;
  c("Label1").text.clear();
  set_focus("Text1");
}

void Kensaku::Text1_Change() {
  const QString& query = c("Text1").text;
  results = run_search(records, query);
  Control& list = c("List1");
  list.items = results.lines;
  list.selected = results.lines.isEmpty() ? -1 : 0;
  c("Label1").text = count_text(query, results);
}

void Kensaku::Text1_KeyPress(int& key_ascii) {
  if (key_ascii != kEnter) return;
  key_ascii = 0;
  open_selected();
}

// Up and Down walk the results while the typing stays in the box.
void Kensaku::Text1_KeyDown(int& key_code, int) {
  if (key_code != kKeyUp && key_code != kKeyDown) return;
  Control& list = c("List1");
  if (list.items.isEmpty()) return;
  const int step = key_code == kKeyDown ? 1 : -1;
  list.selected = std::clamp(list.selected + step, 0, int(list.items.size()) - 1);
  key_code = 0;
}

void Kensaku::List1_DblClick() { open_selected(); }

void Kensaku::List1_KeyPress(int& key_ascii) { Text1_KeyPress(key_ascii); }

void Kensaku::Command1_Click() { open_selected(); }

void Kensaku::Command2_Click() { unload(); }

void Kensaku::open_selected() {
  const int line = c("List1").selected;
  if (line < 0 || line >= int(results.shown.size())) {
    platform().beep();
    return;
  }
  const SearchRecord record = records[results.shown[line]];
  unload();
  if (show_place_) show_place_(record);
}
