// The card window's controls: a card face with its printed lines, the paging row
// and, below the short window's edge, the prompt line with 登録 and 終了.
#include "cards/meishi.h"
#include "cards/meishi_boxes.h"
#include "core/spoken_names.h"

namespace {

constexpr Rgb kButtonGreen{128, 255, 128};

struct Place {
  int left, top, width, height;
};

// The boxes' places on the card face, in field order.
constexpr Place kBoxPlaces[kCardFields] = {
    {600, 1140, 7200, 435},   // company
    {600, 1680, 7440, 330},   // department
    {600, 2220, 2280, 330},   // title
    {3000, 2100, 5040, 570},  // name
    {600, 2820, 1560, 330},   // postcode
    {600, 3180, 7440, 330},   // address
    {1380, 3705, 2520, 330},  // TEL 1
    {4920, 3705, 3120, 330},  // TEL 2
    {1380, 4125, 2520, 330},  // FAX
    {4920, 4125, 3120, 330},  // E-Mail
};

// The caption printed before a box of the two lower rows.
struct BoxLabel {
  int field;
  const char* name;
  const char* text;
};
constexpr BoxLabel kBoxLabels[] = {
    {kPhone1, "Label3", "TEL 1"},
    {kPhone2, "Label4", "TEL 2"},
    {kFax, "Label5", "FAX"},
    {kMail, "Label6", "E-Mail"},
};

// What screen readers call the card's boxes: a card prints no caption before most.
constexpr SpokenName kSpokenNames[] = {
    {"Text1", -1, "会社名"},        {"Text2", -1, "部課名"},        {"Text3", -1, "役職名"},
    {"Text4", -1, "名前"},          {"Text14", -1, "郵便番号"},     {"Text5", -1, "所在地"},
    {"Text6", -1, "電話番号１"},    {"Text7", -1, "電話番号２"},    {"Text8", -1, "ＦＡＸ"},
    {"Text13", -1, "Ｅ－Ｍａｉｌ"}, {"Text11", -1, "表示データNo"}, {"Text12", -1, "案内"},
};

}  // namespace

void Meishi::create_controls() {
  has_border = false;
  back = kLightYellow;
  Control& frame = place(add(Kind::Shape, "Shape2"), 0, 0, 8430, 5967);
  frame.fore = kPurple;
  frame.border_width = 3;
  Control& face = place(add(Kind::Shape, "Shape1"), 120, 120, 8235, 4815);
  face.fore = {128, 128, 128};
  face.back = kWhite;
  face.filled = true;
  face.rounded = true;
  place(add(Kind::Image, "Image1"), 360, 300, 720, 720).picture = ":/cards/logo.png";

  Control& heading = place(add(Kind::Label, "Label1"), 2040, 360, 3615, 615);
  heading.text = "名　刺　管　理";
  title_label = heading.name;
  heading.fore = kRed;
  // A point smaller than the heading's designed size, so that its seven characters
  // fit the label's width in the IPA font on one line.
  heading.font = {"ＭＳ Ｐ明朝", 25, false};
  heading.align = Align::Center;
  heading.transparent = true;
  Control& version = place(add(Kind::Label, "Label2"), 5880, 720, 855, 255);
  version.text = "Ver.1.02";
  version.transparent = true;

  // Boxes in field order, so that Tab follows the printed lines.
  for (int i = 0; i < kCardFields; ++i) {
    for (const BoxLabel& label : kBoxLabels)
      if (label.field == i) {
        Control& caption = place(add(Kind::Label, label.name), kBoxPlaces[i].left - 780,
                                 kBoxPlaces[i].top + 45, 720, 255);
        caption.text = label.text;
        caption.transparent = true;
      }
    const Place& at = kBoxPlaces[i];
    Control& box =
        place(add(Kind::TextBox, kCardBoxes[i].name), at.left, at.top, at.width, at.height);
    box.max_length = kCardBoxes[i].max_length;
  }
  c("Text1").font = {"", 16, true};
  c("Text4").font = {"ＭＳ 明朝", 20, true};

  Control& number = place(add(Kind::TextBox, "Text11"), 1680, 5040, 615, 375);
  number.font = {"", 14, true};
  number.locked = true;
  number.align = Align::Center;
  number.tab_stop = false;

  const char* const page_captions[] = {"<<", "<", ">", ">>"};
  const char* const page_tips[] = {"先頭データ", "一つ戻る", "一つ進む", "最終データ"};
  for (int i = 0; i < 4; ++i) {
    Control& button = place(add(Kind::Button, "Command3", i), 2400 + 360 * i, 5040, 375, 375);
    button.text = page_captions[i];
    button.tooltip = page_tips[i];
  }
  place(add(Kind::Button, "Command4"), 4680, 5040, 615, 375).text = "入力";
  place(add(Kind::Button, "Command7"), 5400, 5040, 615, 375).text = "変更";
  place(add(Kind::Button, "Command5"), 6120, 5040, 615, 375).text = "削除";
  place(add(Kind::Button, "Command2"), 6840, 5040, 615, 375).text = "戻る";

  Control& prompt = place(add(Kind::TextBox, "Text12"), 240, 5760, 5295, 495);
  prompt.font = {"", 12, true};
  prompt.locked = true;
  prompt.tab_stop = false;
  place(add(Kind::Button, "Command1"), 5760, 5880, 615, 375).text = "登録";
  place(add(Kind::Button, "Command6"), 6480, 5880, 615, 375).text = "終了";
  give_spoken_names(*this, kSpokenNames);

  for (Control& control : controls())
    if (control.kind == Kind::Button) {
      control.back = kButtonGreen;
      control.font = {"ＭＳ Ｐゴシック", 10, true};
    }
}
