#include "address/jyusho.h"

namespace {

constexpr int kLabelLeft = 240, kBoxLeft = 1320, kRowHeight = 330;

struct BoxRow {
  const char* label;
  const char* caption;
  const char* box;
  int left, top, width;
};

// Rows below the name list's reach (it covers the right side down to 2220), so an
// open list hides no address; the telephones share a row.
const BoxRow kRows[] = {
    {"Label3", "氏　名", "Text1", 0, 1380, 3480}, {"Label4", "郵便番号", "Text8", 0, 1830, 1440},
    {"Label5", "住所１", "Text2", 0, 2280, 5940}, {"Label6", "住所２", "Text3", 0, 2730, 5940},
    {"Label7", "TEL 1", "Text4", 0, 3180, 2280},  {"Label8", "TEL 2", "Text5", 3780, 3180, 2280},
    {"Label9", "FAX", "Text6", 0, 3630, 2280},    {"Label10", "E-Mail", "Text7", 0, 4080, 5940},
};

struct ButtonPlace {
  const char* name;
  const char* caption;
  int left;
};

const ButtonPlace kButtons[] = {
    {"Command2", "入力", 240},  {"Command3", "登録", 1200}, {"Command8", "終了", 2160},
    {"Command4", "変更", 3360}, {"Command5", "削除", 4320}, {"Command7", "戻る", 6300},
};

}  // namespace

const char* const Jyusho::kBoxes[kFieldCount] = {"Text1", "Text8", "Text2", "Text3",
                                                 "Text4", "Text5", "Text6", "Text7"};

void Jyusho::create_controls() {
  frame_borderless(7520, 5360, kBlack);
  Control& title = place(add(Kind::Label, "Label1"), kLabelLeft, 180, 2700, 420);
  title.text = "住　所　録";
  title_label = title.name;
  title.font = {"ＭＳ 明朝", 16, true};
  place(add(Kind::Label, "Label2"), 3120, 330, 960, 240).text = "Ver.1.01";

  const char* arrows[] = {"<<", "<", ">", ">>"};
  const char* tips[] = {"先頭データ", "一つ戻る", "一つ進む", "最終データ"};
  for (int i = 0; i < 4; ++i) {
    Control& button = place(add(Kind::Button, "Command1", i), kBoxLeft + i * 480, 840, 480, 360);
    button.text = arrows[i];
    button.tooltip = tips[i];
  }
  Control& number = place(add(Kind::TextBox, "Text9"), kBoxLeft + 4 * 480 + 120, 840, 720, 360);
  number.tooltip = "表示データNo";
  number.locked = true;
  number.align = Align::Center;
  place(add(Kind::Button, "Command6"), 4080, 840, 720, 360).text = "一覧";

  for (const BoxRow& row : kRows) {
    const int left = row.left == 0 ? kLabelLeft : row.left;
    place(add(Kind::Label, row.label), left, row.top + 45, 1020, 255).text = row.caption;
    place(add(Kind::TextBox, row.box), left + kBoxLeft - kLabelLeft, row.top, row.width,
          kRowHeight);
  }

  for (const ButtonPlace& button : kButtons)
    place(add(Kind::Button, button.name), button.left, 4620, 900, 420).text = button.caption;

  // Last, so that it lies over the boxes when shown.
  Control& list = place(add(Kind::ListBox, "List1"), 5000, 120, 2300, 2100);
  list.visible = false;
}
