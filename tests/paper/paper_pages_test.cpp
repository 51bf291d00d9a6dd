#include <gtest/gtest.h>

#include "calendar/day_tables.h"
#include "paper/address_pages.h"
#include "paper/calendar_page.h"
#include "paper/paper_text.h"

namespace {

const PageText* find_text(const Page& page, const QString& text) {
  for (const PageText& t : page.texts)
    if (t.text == text) return &t;
  return nullptr;
}

bool inside(const Page& page, const QRectF& box) {
  return QRectF(QPointF(0, 0), page.size_mm).contains(box);
}

TEST(PaperText, VerticalAddressWritesKanjiDigitsLongMarksAndFullWidth) {
  const struct {
    const char* text;
    const char* vertical;
  } cases[] = {
      {"千代田1-20-3", "千代田一ー二〇ー三"},
      {"梅田３－２‐１５", "梅田三ー二ー一五"},
      {"ｱﾊﾟｰﾄ ｶﾞｰﾃﾞﾝ B棟", "アパート　ガーデン　Ｂ棟"},
      {"（ABCビル5F）", "（ＡＢＣビル五Ｆ）"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(vertical_address(QString::fromUtf8(c.text)), QString::fromUtf8(c.vertical)) << c.text;
  for (QChar c : QString("ー（）「」…～")) EXPECT_TRUE(turns_in_vertical(c)) << int(c.unicode());
  for (QChar c : QString("一東様Ａア")) EXPECT_FALSE(turns_in_vertical(c)) << int(c.unicode());
}

TEST(PaperText, TextShrinksToSevenPointThenIsCut) {
  const double em10 = 10 * kMmPerPoint;  // one full-width character at 10 pt
  const struct {
    int chars;
    double room_ems;  // at 10 pt
    double size_pt;
    int kept;
  } cases[] = {
      {5, 5, 10, 5},   // fits at the base size
      {10, 8, 8, 10},  // fits smaller
      {20, 7, 7, 10},  // below 7 pt: cut to what fits at 7 pt
      {100, 1, 7, 1},
  };
  for (const auto& c : cases) {
    const QString text(c.chars, u'住');
    for (const FittedText& fitted : {fit_across(text, c.room_ems * em10 + 1e-6, 10),
                                     fit_down(text, c.room_ems * em10 + 1e-6, 10)}) {
      EXPECT_DOUBLE_EQ(fitted.size_pt, c.size_pt) << c.chars;
      EXPECT_EQ(fitted.text.size(), c.kept) << c.chars;
    }
  }
  EXPECT_EQ(fit_across(QString(20, u'x'), 2 * em10, 10, "…").text, "xxx…");
  EXPECT_DOUBLE_EQ(fit_across("abcd", 2 * em10, 10).size_pt, 10);  // half-width: half an em
}

TEST(LabelPages, FillTwelveLabelsRowByRowWithTheNameAndSama) {
  std::vector<PostalAddress> book;
  for (int i = 0; i < 13; ++i)
    book.push_back(
        {i == 2 ? "" : QString("名前%1").arg(i), "100-0001", QString("住所%1").arg(i), ""});
  const PaperDocument doc = label_pages(book);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(doc.pages[0].size_mm, QSizeF(210, 297));
  // Label i stands in column i % 2 and row i / 2 of its sheet.
  for (int i : {0, 1, 2, 3, 11}) {
    const PageText* line = find_text(doc.pages[0], QString("住所%1").arg(i));
    ASSERT_TRUE(line) << i;
    EXPECT_NEAR(line->box.left(), 18.6 + 86.4 * (i % 2), 5) << i;
    EXPECT_NEAR(line->box.top(), 21.6 + 42.3 * (i / 2), 10) << i;
  }
  EXPECT_TRUE(find_text(doc.pages[0], "名前0　様"));
  EXPECT_TRUE(find_text(doc.pages[0], "〒100-0001"));
  EXPECT_TRUE(find_text(doc.pages[1], "名前12　様"));
  for (const PageText& t : doc.pages[0].texts) EXPECT_NE(t.text, "　様");
}

TEST(PostcardPages, LongAddressesShrinkAndAreCutInsideTheCard) {
  const QString long_text(200, u'長');
  const PostcardPages cards =
      postcard_pages({{"山田太郎", "1000001", "東京都千代田区1-2", "コーポ（3F）"},
                      {"", "", "名前のない住所", ""},
                      {long_text, "12", long_text, long_text}});
  EXPECT_EQ(cards.left_out, 1);
  ASSERT_EQ(cards.document.pages.size(), 2u);
  const Page& card = cards.document.pages[0];
  EXPECT_EQ(card.size_mm, QSizeF(100, 148));
  EXPECT_TRUE(card.boxes.empty());  // a real card has its own
  for (const char* turned : {"ー", "（", "）"}) {
    const PageText* t = find_text(card, turned);
    ASSERT_TRUE(t) << turned;
    EXPECT_TRUE(t->turned) << turned;
  }
  EXPECT_FALSE(find_text(card, "1")->turned);
  // The name goes down the middle and ends in 様, after the address's first column.
  EXPECT_NEAR(find_text(card, "様")->box.center().x(), 50, 0.01);
  for (const Page& page : cards.document.pages)
    for (const PageText& t : page.texts) {
      EXPECT_TRUE(inside(page, t.box)) << t.text.toStdString();
      EXPECT_GE(t.size_pt, kSmallestPoint);
    }
  EXPECT_TRUE(find_text(cards.document.pages[1], "様"));
}

TEST(CalendarPage, CellsColourDaysAndListNamesAnniversariesAndMemos) {
  CalendarSources s;
  dat_set(s.syuku_dat, s.gyouji_dat);
  s.kinen_dat[0] = "1224母の誕生日";
  for (int i = 0; i < 12; ++i) s.memos << QString("2026/12/10メモ%1\r\n二行目\r\n").arg(i);
  const Page page = calendar_page(2026, 12, s);
  EXPECT_EQ(page.size_mm, QSizeF(297, 210));
  EXPECT_TRUE(find_text(page, "2026年12月"));
  const struct {
    const char* day;
    Rgb colour;
  } days[] = {{"6", kRed}, {"5", kBlue}, {"7", kBlack}, {"23", kRed}, {"24", kMagenta}};
  for (const auto& d : days) EXPECT_EQ(find_text(page, d.day)->colour, d.colour) << d.day;
  EXPECT_EQ(find_text(page, "天皇誕生日")->colour, kRed);
  EXPECT_TRUE(find_text(page, "母の誕生日"));
  EXPECT_TRUE(find_text(page, "クリスマス、蕪村忌"));
  // The 六曜 in the day's corner: 2026-12-08 is 先負.
  const QRectF eighth = find_text(page, "8")->box;
  EXPECT_TRUE(std::any_of(page.texts.begin(), page.texts.end(), [&](const PageText& t) {
    return t.text == "先負" && t.box.top() == eighth.top() && t.box.left() > eighth.left();
  }));
  // The tenth's memos show their first lines as far as they fit, then "…".
  EXPECT_TRUE(find_text(page, "メモ0"));
  EXPECT_FALSE(find_text(page, "二行目"));
  EXPECT_FALSE(find_text(page, "メモ11"));
  EXPECT_TRUE(find_text(page, "…"));
  for (const PageText& t : page.texts) EXPECT_TRUE(inside(page, t.box)) << t.text.toStdString();
}

}  // namespace
