// How the window layer shows a form: captions that fit, greyed disabled
// controls, fixed-pitch lists, Japanese standard buttons.
#include "ui/look.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/scripted_platform.h"
#include "ui/caption_button.h"
#include "ui/form_window.h"
#include "ui/japanese.h"

namespace {

TEST(CaptionFit, ACaptionTooWideForOneLineWrapsOrShrinksButStaysWhole) {
  struct Case {
    const char* text;
    QSize room;  // pixels inside the button's bevel
    bool wrapped;
  };
  const Case cases[] = {
      {"<<", {19, 16}, false},     // a 375-twip navigation key
      {"戻る", {33, 21}, false},   // 615 x 375
      {"抜ける", {19, 40}, true},  // the tall 400 x 660 key
      {"ク リ ア ー", {72, 21}, false},
  };
  QFont font = default_font();
  font.setBold(true);
  for (const Case& c : cases) {
    const QString text = QString::fromUtf8(c.text);
    const FittedCaption fitted = fit_caption(text, font, c.room);
    EXPECT_EQ(fitted.flags != 0, c.wrapped) << c.text;
    const QRect needed =
        QFontMetrics(fitted.font)
            .boundingRect(QRect(QPoint(), c.room), Qt::AlignCenter | fitted.flags, text);
    EXPECT_LE(needed.width(), c.room.width()) << c.text;
    EXPECT_LE(needed.height(), c.room.height()) << c.text;
    EXPECT_LE(fitted.font.pointSizeF(), font.pointSizeF()) << c.text;
  }
  // Where even wrapping cannot fit, the font gets smaller rather than the caption cut.
  const FittedCaption squeezed = fit_caption("データ操作終了", font, {40, 14});
  EXPECT_LT(squeezed.font.pointSizeF(), font.pointSizeF());
}

class Sample : public Form {
 public:
  explicit Sample(Platform& platform) : Form("Sample", platform) {
    width = 3000;
    height = 3200;
    Control& key = place(add(Kind::Button, "Command1"), 120, 120, 600, 375);
    key.text = "M+";
    key.fore = kRed;
    key.back = {128, 255, 128};
    key.enabled = false;
    place(add(Kind::ListBox, "List1"), 120, 600, 2000, 900);
    place(add(Kind::Label, "Label1"), 120, 1600, 2000, 300).text = "見出し";
    // The main window's calendar frame, with an option button 240 twips down.
    place(add(Kind::Frame, "Frame1"), 120, 2000, 1500, 1020).text = "ｶﾚﾝﾀﾞｰ";
    Control& option = place(add(Kind::Option, "Option1"), 120, 240, 1260, 240);
    option.parent = "Frame1";
    option.text = "通常";
  }

 protected:
  void handle(Event&) override {}
};

TEST(WindowLook, ADisabledControlKeepsItsColoursButShowsGreyedText) {
  ScriptedPlatform platform;
  Sample form(platform);
  FormWindow window(form, nullptr);
  QWidget* key = window.widget("Command1");
  ASSERT_NE(key, nullptr);
  const QPalette palette = key->palette();
  EXPECT_EQ(palette.color(QPalette::Active, QPalette::ButtonText), QColor(255, 0, 0));
  EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::Button), QColor(128, 255, 128));
  EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::ButtonText),
            QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
  EXPECT_NE(palette.color(QPalette::Disabled, QPalette::ButtonText), QColor(255, 0, 0));
  // Enabled again, it shows its own colour.
  form.c("Command1").enabled = true;
  window.sync();
  EXPECT_EQ(key->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
}

TEST(WindowLook, ListsAreFixedPitchAndLabelsProportional) {
  ScriptedPlatform platform;
  Sample form(platform);
  FormWindow window(form, nullptr);
  // Columns line up: a full-width blank is two half-width cells, and every
  // half-width character one cell.
  const QFontMetrics list(window.widget("List1")->font());
  EXPECT_EQ(list.horizontalAdvance("　"), 2 * list.horizontalAdvance(" "));
  EXPECT_EQ(list.horizontalAdvance("i"), list.horizontalAdvance("W"));
  EXPECT_EQ(list.horizontalAdvance("センチ"), list.horizontalAdvance("　　　"));
  EXPECT_EQ(QFontInfo(window.widget("Label1")->font()).family(), "IPAPGothic");
}

// The frame's caption sits on its top border, so the option button placed 240
// twips down is clear of the frame's line.
TEST(WindowLook, AFrameLineRunsAboveTheOptionsInside) {
  ScriptedPlatform platform;
  Sample form(platform);
  FormWindow window(form, nullptr);
  QWidget* frame = window.widget("Frame1");
  QWidget* option = window.widget("Option1");
  option->hide();
  const QImage drawn = frame->grab().toImage();
  // The top border, found down a column right of the caption.
  const int x = frame->width() - 10;
  int line = 0;
  while (line < drawn.height() && drawn.pixel(x, line) == drawn.pixel(x, 0)) ++line;
  EXPECT_LT(line, option->y());
}

// A gift record is padded into columns with blanks, so its line may run past the
// list box: it is cut at the box's edge as it always was, reading the same as in
// a box wide enough for all of it, with no "…" put in its place.
TEST(WindowLook, ALineWiderThanTheListIsCutNotElided) {
  ScriptedPlatform platform;
  Sample form(platform);
  form.width = 13000;
  form.visible = true;
  FormWindow window(form, nullptr);
  auto* list = qobject_cast<QListWidget*>(window.widget("List1"));
  Control& box = form.c("List1");
  box.font = {"ＭＳ ゴシック", 9, false};
  box.width = 5310;
  const QString first = "2026年12月10日  山田太郎" + QString(16, ' ') + "ハム" + QString(18, ' ');
  const QString second = "2026年12月10日  佐藤" + QString(18, ' ') + "5000円" + QString(15, ' ');
  // Added one by one, as records are entered.
  for (const QStringList& items : {QStringList{first}, QStringList{first, second}}) {
    box.items = items;
    window.sync();
    QCoreApplication::processEvents();
  }
  const auto first_line = [&](int shown_width) {
    const QRect row = list->visualItemRect(list->item(0));
    return list->viewport()->grab({0, row.top(), shown_width, row.height()}).toImage();
  };
  const QImage narrow = first_line(list->viewport()->width());
  box.width = 12000;
  window.sync();
  QCoreApplication::processEvents();
  EXPECT_EQ(first_line(narrow.width()), narrow);
}

TEST(Japanese, StandardButtonsAreJapaneseEvenWithoutTranslation) {
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  japanese_button_texts(&box);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "はい(&Y)");
  EXPECT_EQ(box.button(QMessageBox::No)->text(), "いいえ(&N)");
  QMessageBox ok_cancel;
  ok_cancel.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  japanese_button_texts(&ok_cancel);
  EXPECT_EQ(ok_cancel.button(QMessageBox::Ok)->text(), "OK");
  EXPECT_EQ(ok_cancel.button(QMessageBox::Cancel)->text(), "キャンセル");
}

TEST(Japanese, TextBoxContextMenusAreJapanese) {
  install_japanese_translation(*qApp);
  QLineEdit line;
  QPlainTextEdit text;
  const std::unique_ptr<QMenu> menus[] = {std::unique_ptr<QMenu>(line.createStandardContextMenu()),
                                          std::unique_ptr<QMenu>(text.createStandardContextMenu())};
  for (const auto& menu : menus) {
    QStringList texts;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) texts << action->text().section('\t', 0, 0).remove('&');
    for (const char* wanted :
         {"元に戻す(U)", "切り取り(T)", "コピー(C)", "貼り付け(P)", "削除", "すべて選択"})
      EXPECT_TRUE(texts.contains(QString::fromUtf8(wanted)))
          << wanted << texts.join('|').toStdString();
  }
}

}  // namespace
