#include "cards/meishi.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cards/card_boxes.h"
#include "cards/card_file.h"
#include "core/scripted_platform.h"
#include "core/text_file.h"

namespace {

QStringList card(const QString& tag) {
  return {tag + "商事",   tag + "部",     "課長", tag + "氏",     "100-0001",
          "東京都" + tag, "03-1111-2222", "",     "03-1111-3333", tag + "@example.com"};
}

QByteArray line_of(const QStringList& fields) {
  return to_cp932(format_quoted_record(fields)) + "\r\n";
}

// The window opened on a working folder of its own, driven as a person would.
class MeishiWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    old_dir_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  }
  void TearDown() override { QDir::setCurrent(old_dir_); }

  void file(const QByteArray& bytes) { ASSERT_TRUE(write_bytes(kCardFile, bytes)); }
  QByteArray file() const {
    QFile f(kCardFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
  }
  void open() {
    m.flg_meisi = 1;
    form.show();
  }
  void click(const QString& name) {
    Event e{Event::Click, name};
    form.dispatch(e);
  }
  void page(int index) {
    Event e{Event::MouseDown, "Command3", index};
    form.dispatch(e);
  }
  void fill(const QStringList& fields) {
    for (int i = 0; i < kCardFields; ++i) {
      form.c(kCardBoxes[i].name).text = fields[i];
      Event e{Event::Change, kCardBoxes[i].name};
      form.dispatch(e);
    }
  }
  QStringList shown() const {
    QStringList fields;
    for (const CardBox& box : kCardBoxes) fields << form.c(box.name).text;
    return fields;
  }
  QString number() const { return form.c("Text11").text; }

  QTemporaryDir dir_;
  QString old_dir_;
  Module1 m;
  ScriptedPlatform platform;
  Meishi form{m, platform};
};

}  // namespace

TEST(CardFile, CardsRoundTripWithEmptiesCommasAndFullLengthFields) {
  QTemporaryDir dir;
  const QString path = dir.filePath(kCardFile);
  QuotedRecords cards;
  cards.records = {
      {"株式会社　見本,本社", "", "", "", "", "", "", "", "", ""},
      {QString(20, QChar(u'社')), QString(40, QChar(u'部')), QString(12, 'T'),
       QString(12, QChar(u'名')), "123-4567", QString(40, QChar(u'所')), QString(16, '1'),
       QString(16, '2'), QString(16, '3'), QString(30, 'm')},
  };
  ASSERT_TRUE(write_cards(path, cards, true));
  EXPECT_EQ(read_cards(path).records, cards.records);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().startsWith(to_cp932("\"株式会社　見本,本社\",\"\",\"\",") +
                                     "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
  // Only the sample held: the cards are left out, the kept lines stay.
  cards.kept = {{1, "not a card"}};
  ASSERT_TRUE(write_cards(path, cards, false));
  f.close();
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("not a card\r\n"));
}

TEST_F(MeishiWindow, BrokenFileKeepsEveryLineAndEveryCard) {
  QByteArray bytes = "\"short\",\"line\"\r\n";
  for (int i = 0; i < 130; ++i) {
    bytes += line_of(card(QString::number(i)));
    if (i == 2) bytes += line_of(card("eleven") << "extra");
    if (i == 5) bytes += "\"\x82\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
  }
  file(bytes);
  open();
  EXPECT_EQ(form.card_cnt, 130);
  page(3);
  EXPECT_EQ(number(), "130");
  EXPECT_EQ(shown(), card("129"));
  click("Command4");
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_EQ(platform.shown[0].text, "登録件数は１００件までです。");
  EXPECT_EQ(form.input_mode, 0);

  page(0);
  page(2);
  click("Command7");
  fill(card("changed"));
  click("Command1");
  click("Command2");
  EXPECT_EQ(m.flg_meisi, 0);
  const QList<QByteArray> before = bytes.split('\n'), after = file().split('\n');
  ASSERT_EQ(after.size(), before.size());
  for (qsizetype i = 0; i < before.size(); ++i)
    EXPECT_EQ(after[i], i == 2 ? line_of(card("changed")).chopped(1) : before[i]) << i;
}

TEST_F(MeishiWindow, DeletingTheMiddleTheLastAndTheOnlyCard) {
  file(line_of(card("A")) + line_of(card("B")) + line_of(card("C")));
  open();
  const auto delete_shown = [&] {
    platform.answers.push_back("ok");
    click("Command5");
  };
  page(3);
  platform.answers.push_back("cancel");
  click("Command5");
  EXPECT_EQ(form.card_cnt, 3);
  page(1);
  delete_shown();  // the middle card: the next one moves into its place
  EXPECT_EQ(number(), "2");
  EXPECT_EQ(shown(), card("C"));
  delete_shown();  // the last card: the one before is shown
  EXPECT_EQ(number(), "1");
  EXPECT_EQ(shown(), card("A"));
  EXPECT_EQ(form.card_cnt, 1);
  delete_shown();  // the only card: the sample comes back
  EXPECT_EQ(shown(), sample_card());
  EXPECT_EQ(form.has_data, 0);
  delete_shown();  // nothing to delete any more: no question asked
  EXPECT_EQ(platform.answers.buttons.size(), 1u);
  click("Command2");
  EXPECT_EQ(file(), QByteArray());
}

TEST_F(MeishiWindow, RegistrationNumbersFromTheSampleUpToTheLimit) {
  open();
  EXPECT_EQ(number(), "1");
  click("Command4");
  EXPECT_EQ(number(), "1");  // the first card takes the sample's place
  fill(card("A"));
  click("Command1");
  EXPECT_EQ(number(), "2");
  EXPECT_EQ(form.c("Text12").text, "会社名を入力して下さい。");
  QStringList partial = card("B");
  partial[kTitle].clear();
  fill(partial);
  click("Command1");
  EXPECT_EQ(platform.shown.back().text, "データが不足しています。");
  EXPECT_EQ(form.c("Text1").text, "B商事");  // the boxes keep their text
  fill(card("B"));
  click("Command1");
  click("Command6");
  EXPECT_EQ(form.card_cnt, 2);
  click("Command2");
  EXPECT_EQ(file(), line_of(card("A")) + line_of(card("B")));

  // 99 cards: one more may be entered, and no more.
  QByteArray bytes;
  for (int i = 0; i < 99; ++i) bytes += line_of(card(QString::number(i)));
  file(bytes);
  platform.shown.clear();
  open();
  click("Command4");
  EXPECT_EQ(number(), "100");
  fill(card("last"));
  click("Command1");
  EXPECT_TRUE(platform.shown.empty());
  fill(card("over"));
  click("Command1");
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_EQ(platform.shown[0].text, "登録件数は１００件までです。");
  EXPECT_EQ(form.card_cnt, 100);
}

TEST_F(MeishiWindow, EnterWalksTheBoxesOnlyWhileEntering) {
  open();
  Event enter{Event::KeyPress, "Text1"};
  enter.key_ascii = 13;
  form.dispatch(enter);
  EXPECT_TRUE(form.focus_request.isEmpty());  // browsing: Enter moves nothing
  click("Command4");
  for (int i = 0; i < kCardFields; ++i) {
    Event key{Event::KeyPress, kCardBoxes[i].name};
    key.key_ascii = 13;
    form.dispatch(key);
    const CardBox& next = kCardBoxes[(i + 1) % kCardFields];
    EXPECT_EQ(form.focus_request, next.name);
    EXPECT_EQ(form.c("Text12").text, next.prompt);
  }
  // A double quote cannot be stored: it is not taken, typed or pasted.
  Event quote{Event::KeyPress, "Text2"};
  quote.key_ascii = '"';
  form.dispatch(quote);
  EXPECT_EQ(quote.key_ascii, 0);
  form.c("Text2").text = "営業\"部\"";
  Event change{Event::Change, "Text2"};
  form.dispatch(change);
  EXPECT_EQ(form.c("Text2").text, "営業部");
  EXPECT_TRUE(form.c("Text12").text.contains("保存できない"));
}

TEST_F(MeishiWindow, AChangedSampleIsKept) {
  open();
  click("Command7");
  form.c("Text4").text = "私の名前";
  click("Command1");
  EXPECT_EQ(form.has_data, 1);
  click("Command2");
  QStringList expected = sample_card();
  expected[kName] = "私の名前";
  EXPECT_EQ(file(), line_of(expected));
}

TEST_F(MeishiWindow, AFileThatCannotBeWrittenKeepsTheWindowWhenAsked) {
  ASSERT_TRUE(QDir().mkdir(kCardFile));  // a folder in the file's place
  open();
  click("Command4");
  fill(card("A"));
  click("Command1");
  click("Command6");
  platform.answers = {"ok", "no"};
  click("Command2");
  ASSERT_EQ(platform.shown.size(), 2u);
  EXPECT_TRUE(platform.shown[0].text.contains("Meishi.DAT"));
  EXPECT_EQ(platform.shown[1].buttons, MsgButtons::YesNo);
  EXPECT_TRUE(platform.fault.isEmpty());
  EXPECT_TRUE(form.visible);
  EXPECT_EQ(m.flg_meisi, 1);
  EXPECT_EQ(form.card_cnt, 1);
  platform.answers = {"ok", "yes"};
  click("Command2");
  EXPECT_FALSE(form.visible);
  EXPECT_EQ(m.flg_meisi, 0);
}
