#include "tools/nengou.h"

#include <gtest/gtest.h>

#include "core/scripted_platform.h"
#include "tools/nengou_eras.h"

namespace {

class NengouForm : public ::testing::Test {
 protected:
  NengouForm() : form(m, platform) {
    m.flg_nengou = 1;
    form.show();
  }
  void scroll(const char* bar, int value) {
    form.c(bar).value = value;
    Event e{Event::Change, bar};
    form.dispatch(e);
  }
  void choose_era(int index) {
    for (int i = 0; i < 4; ++i) form.c("Option1", i).checked = i == index;
    Event e{Event::Click, "Option1", index};
    form.dispatch(e);
  }
  // "1926 昭和 1" as the boxes show it, with the era button that is on.
  QString shown() const {
    QString era_button;
    for (int i = 0; i < 4; ++i)
      if (form.c("Option1", i).checked) era_button += form.c("Option1", i).text;
    return form.c("Text1").text + " " + form.c("Text3").text + " " + form.c("Text2").text + " " +
           era_button + " " + QString::number(form.c("HScroll2").value);
  }

  Module1 m;
  ScriptedPlatform platform;  // today is 2003-05-12
  Nengou form;
};

TEST(EraTable, EveryBoundaryYear) {
  const struct {
    int year, era, era_year;
  } cases[] = {
      {1868, 0, 1}, {1911, 0, 44}, {1912, 1, 1}, {1925, 1, 14},
      {1926, 2, 1}, {1988, 2, 63}, {1989, 3, 1}, {2188, 3, 200},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(era_of_year(c.year), c.era) << c.year;
    EXPECT_EQ(era_year(c.era, c.year), c.era_year) << c.year;
    EXPECT_EQ(western_year(c.era, c.era_year), c.year) << c.year;
  }
}

TEST_F(NengouForm, OpensOnThisYearBorderless) {
  EXPECT_FALSE(form.has_border);
  EXPECT_EQ(form.width, 3900);
  EXPECT_EQ(form.height, 3380);
  EXPECT_EQ(form.c("Shape1").width, 3900);
  EXPECT_EQ(form.c("Shape1").height, 3380);
  EXPECT_EQ(form.left, (15360 - 3900) / 2);
  EXPECT_EQ(form.top, (11520 - 3380) / 4);
  EXPECT_EQ(form.c("Label1").text, "年号変換");
  EXPECT_EQ(form.c("Label2").text, "Ver.1.00");
  EXPECT_EQ(form.c("HScroll1").value, 2003);
  EXPECT_EQ(shown(), "2003 平成 15 平成 15");
  EXPECT_EQ(form.c("Text4").text, "0歳");
  EXPECT_EQ(form.era_type, 3);
}

// Steps on one window: a scroll bar moved or an era chosen, then what the boxes
// show ("western era era-year", the era button on, HScroll2) and the age.
TEST_F(NengouForm, StepsShowTheYearInTheEraThatHoldsIt) {
  const struct {
    const char* control;  // "HScroll1", "HScroll2" or "Option1" (value: the era)
    int value;
    const char* shown;
    const char* age = nullptr;
    int era_type = 0, bar = 0;  // era_type and HScroll1, checked where given
  } steps[] = {
      // Every boundary of the eras.
      {"HScroll1", 1868, "1868 明治 1 明治 1"},
      {"HScroll1", 1911, "1911 明治 44 明治 44"},
      {"HScroll1", 1912, "1912 大正 1 大正 1"},
      {"HScroll1", 1925, "1925 大正 14 大正 14"},
      {"HScroll1", 1926, "1926 昭和 1 昭和 1"},
      {"HScroll1", 1988, "1988 昭和 63 昭和 63"},
      {"HScroll1", 1989, "1989 平成 1 平成 1"},
      {"HScroll1", 2188, "2188 平成 200 平成 200"},
      // Years past the last era year change nothing; the age counts from this year.
      {"HScroll1", 1975, "1975 昭和 50 昭和 50", "28歳"},
      {"HScroll1", 2189, "1975 昭和 50 昭和 50", "28歳"},
      {"HScroll1", 2190, "1975 昭和 50 昭和 50", "28歳"},
      {"HScroll1", 2191, "1975 昭和 50 昭和 50", "28歳"},
      // An era year past its era is shown in the era that holds it.
      {"HScroll2", 64, "1989 平成 1 平成 1", nullptr, 3},
      {"Option1", 1, "1912 大正 1 大正 1"},
      {"HScroll2", 20, "1931 昭和 6 昭和 6", nullptr, 0, 1931},
      // Choosing an era keeps the era year.
      {"HScroll1", 1975, "1975 昭和 50 昭和 50"},
      {"Option1", 0, "1917 大正 6 大正 6"},  // 明治 50 is past 明治
      {"Option1", 3, "1994 平成 6 平成 6"},
      {"HScroll2", 200, "2188 平成 200 平成 200"},
      {"Option1", 0, "2067 平成 79 平成 79"},
      {"HScroll1", 2010, "2010 平成 22 平成 22", "-7歳"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << step.control << " " << step.value);
    if (QString(step.control) == "Option1") {
      choose_era(step.value);
    } else {
      scroll(step.control, step.value);
    }
    EXPECT_EQ(shown(), step.shown);
    if (step.age) {
      EXPECT_EQ(form.c("Text4").text, step.age);
    }
    if (step.era_type) {
      EXPECT_EQ(form.era_type, step.era_type);
    }
    if (step.bar) {
      EXPECT_EQ(form.c("HScroll1").value, step.bar);
    }
  }
}

TEST_F(NengouForm, LeftOnlyThroughItsButton) {
  Event close{Event::QueryUnload, "nengou"};
  form.dispatch(close);
  EXPECT_TRUE(close.cancel);
  EXPECT_EQ(m.flg_nengou, 1);
  Event back{Event::Click, "Command1"};
  form.dispatch(back);
  EXPECT_FALSE(form.visible);
  EXPECT_EQ(m.flg_nengou, 0);
  // Opened again, it starts from this year.
  scroll("HScroll1", 1900);
  form.show();
  EXPECT_EQ(shown(), "2003 平成 15 平成 15");
}

}  // namespace
