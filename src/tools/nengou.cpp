#include "tools/nengou.h"

#include <algorithm>

#include "core/platform.h"
#include "core/spoken_names.h"
#include "settings/settings.h"
#include "tools/nengou_eras.h"

namespace {

constexpr int kFirstYear = 1868, kLastYear = 2191;
// Years past this change nothing: 平成 ends at era year 200.
constexpr int kLastShownYear = 2188;

constexpr SpokenName kSpokenNames[] = {
    {"HScroll1", -1, "西暦の年を変える"},
    {"Text3", -1, "年号"},
    {"Text2", -1, "年号の年"},
    {"HScroll2", -1, "年号の年を変える"},
};

}  // namespace

Nengou::Nengou(Module1& m, Platform& platform) : Form("nengou", platform), m_(m) {
  create_controls();
  set_routes<Nengou>({
      {Event::Load, {}, &Nengou::Form_Load},
      {Event::Change, "HScroll1", &Nengou::HScroll1_Change},
      {Event::Change, "HScroll2", &Nengou::HScroll2_Change},
      {Event::Click, "Option1", &Nengou::Option1_Click},
      {Event::Click, "Command1", &Nengou::Command1_Click},
  });
}

void Nengou::create_controls() {
  frame_borderless(3900, 3380, {0, 0, 128});
  Control& title = place(add(Kind::Label, "Label1"), 240, 150, 2100, 360);
  title.text = "年号変換";
  title_label = title.name;
  title.font = {"ＭＳ 明朝", 14, true};
  place(add(Kind::Label, "Label2"), 2700, 240, 960, 240).text = "Ver.1.00";

  place(add(Kind::Label, "Label3"), 240, 690, 600, 255).text = "西暦";
  place(add(Kind::TextBox, "Text1"), 900, 630, 900, 330);
  place(add(Kind::Label, "Label4"), 1860, 690, 300, 255).text = "年";
  Control& year_bar = place(add(Kind::HScroll, "HScroll1"), 240, 1020, 3420, 255);
  year_bar.minimum = kFirstYear;
  year_bar.maximum = kLastYear;
  year_bar.large_change = 10;

  place(add(Kind::TextBox, "Text3"), 240, 1440, 600, 330);
  place(add(Kind::TextBox, "Text2"), 900, 1440, 900, 330);
  place(add(Kind::Label, "Label5"), 1860, 1500, 300, 255).text = "年";
  Control& era_bar = place(add(Kind::HScroll, "HScroll2"), 240, 1830, 3420, 255);
  era_bar.minimum = 1;
  era_bar.maximum = 200;
  era_bar.large_change = 10;

  for (int i = 0; i < kLawEraCount; ++i) add(Kind::Option, "Option1", i).text = kEras[i].name;

  place(add(Kind::Label, "Label6"), 240, 2790, 600, 255).text = "年齢";
  place(add(Kind::TextBox, "Text4"), 900, 2730, 900, 330);
  place(add(Kind::Button, "Command1"), 2640, 2700, 1020, 420).text = "戻る";

  for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
    c(name).locked = true;
    c(name).align = Align::Right;
  }
  give_spoken_names(*this, kSpokenNames);
}

// Four buttons as the window always had them; five share the same row when
// 令和 is shown.
void Nengou::place_eras() {
  eras_ = law_option(m_) ? kLawEraCount : kEraCount;
  const int pitch = eras_ == kEraCount ? 870 : 690;
  const int width = eras_ == kEraCount ? 840 : 660;
  for (int i = 0; i < kLawEraCount; ++i) {
    place(c("Option1", i), 240 + i * pitch, 2220, width, 300);
    c("Option1", i).visible = i < eras_;
  }
}

void Nengou::Form_Load() {
  width = 3900;
  height = 3380;
  place_eras();
  const int year = std::clamp(platform().today().year(), kFirstYear, kLastShownYear);
  c("HScroll1").value = year;
  c("Text1").text = QString::number(year);
  henkan1();
  centre(4);
}

void Nengou::HScroll1_Change() {
  const int year = c("HScroll1").value;
  if (year > kLastShownYear) return;
  c("Text1").text = QString::number(year);
  henkan1();
}

void Nengou::henkan1() {
  const int year = c("HScroll1").value;
  const int era = era_of_year(year, eras_);
  c("Text3").text = kEras[era].name;
  c("Text2").text = QString::number(era_year(era, year));
  c("HScroll2").value = era_year(era, year);
  for (int i = 0; i < kLawEraCount; ++i) c("Option1", i).checked = i == era;
  era_type = qint16(era);
  show_age();
}

void Nengou::HScroll2_Change() {
  c("Text2").text = QString::number(c("HScroll2").value);
  henkan2();
}

void Nengou::Option1_Click(int index) {
  if (index < 0 || index >= eras_) return;
  era_type = qint16(index);
  henkan2();
}

void Nengou::henkan2() {
  // 令和 200 lies past the year bar's end: the era year stops at the last year shown.
  const int year = std::min(western_year(era_type, c("HScroll2").value), kLastShownYear);
  c("Text3").text = kEras[era_type].name;
  c("Text1").text = QString::number(year);
  // Moving the year bar shows the year in the era that really holds it.
  c("HScroll1").value = year;
  HScroll1_Change();
}

void Nengou::show_age() {
  const int age = platform().today().year() - c("Text1").text.toInt();
  c("Text4").text = QString::number(age) + "歳";
}

void Nengou::Command1_Click() {
  m_.flg_nengou = 0;
  unload();
}
