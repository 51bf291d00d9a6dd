#include "cards/meishi.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cards/meishi_boxes.h"
#include "cards/meishi_file.h"
#include "core/scripted_platform.h"
#include "core/text_file.h"

namespace {

QStringList card(const QString& tag) {
  return {tag + "商事",      tag + "部",     "課長", tag + "氏", "100-0001",
          "東京都,千代田区", "03-1111-2222", "",     "",         tag + "@example.com"};
}

QByteArray line_of(const QStringList& fields) {
  return to_cp932(format_quoted_record(fields)) + "\r\n";
}

QByteArray cards_bytes(int count) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i) bytes += line_of(card(QString::number(i)));
  return bytes;
}

// The window on a working folder of its own, driven as a person would.
class MeishiWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir::setCurrent(dir_.path())); }
  void TearDown() override { QDir::setCurrent(old_dir_); }

  void open(const QByteArray& bytes) {
    ASSERT_TRUE(write_bytes(kCardFile, bytes));
    m.flg_meisi = 1;
    form.show();
  }
  QByteArray file() const {
    QFile f(kCardFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
  }
  void click(const QString& name, int index = -1) {
    Event e{name == "Command3" ? Event::MouseDown : Event::Click, name, index};
    form.dispatch(e);
  }
  void fill(const QStringList& fields) {
    for (int i = 0; i < kCardFields; ++i) form.c(kCardBoxes[i].name).text = fields[i];
  }
  QString shown() const { return form.c("Text11").text + " " + form.c("Text1").text; }

  QString old_dir_ = QDir::currentPath();
  QTemporaryDir dir_;
  Module1 m;
  ScriptedPlatform platform;
  Meishi form{m, platform};
};

}  // namespace

TEST(CardFile, EmptiesCommasFullWidthAndFullLengthFieldsRoundTrip) {
  QTemporaryDir dir;
  const QString path = dir.filePath(kCardFile);
  QuotedRecords cards;
  cards.records = {card("株式会社　見本,本社"), {}};
  for (const CardBox& box : kCardBoxes) cards.records[1] << QString(box.max_length, u'名');
  cards.records[0][kTitle].clear();
  ASSERT_TRUE(write_cards(path, cards, true));
  EXPECT_EQ(read_cards(path).records, cards.records);
  const QByteArray bytes = quoted_records_bytes(read_cards(path));
  EXPECT_TRUE(
      bytes.startsWith(to_cp932("\"株式会社　見本,本社商事\",\"株式会社　見本,本社部\",\"\",")));
  EXPECT_EQ(bytes.count("\r\n"), 2);
}

TEST_F(MeishiWindow, LinesThatAreNoCardStayInPlaceWhenACardChanges) {
  QByteArray bytes = "\"short\",\"line\"\r\n" + cards_bytes(130);
  bytes.insert(bytes.indexOf("\"3商事"), line_of(card("eleven") << "extra"));
  bytes.insert(bytes.indexOf("\"6商事"),
               "\"\x82\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
  open(bytes);
  click("Command3", 3);
  EXPECT_EQ(shown(), "130 129商事");  // every card is there, beyond a hundred too
  click("Command4");
  EXPECT_EQ(platform.shown.at(0).text, "登録件数は１００件までです。");
  click("Command3", 0);
  click("Command3", 2);
  click("Command7");
  fill(card("changed"));
  click("Command1");
  click("Command2");
  const QList<QByteArray> before = bytes.split('\n'), after = file().split('\n');
  ASSERT_EQ(after.size(), before.size());
  for (qsizetype i = 0; i < before.size(); ++i)
    EXPECT_EQ(after[i], i == 2 ? line_of(card("changed")).chopped(1) : before[i]) << i;
}

TEST_F(MeishiWindow, DeletingTheMiddleTheLastAndTheOnlyCard) {
  open(cards_bytes(3));
  click("Command3", 2);
  const char* const after_each[] = {"2 2商事", "1 0商事", "1 トリベ商事株式会社"};
  for (const char* expected : after_each) {
    platform.answers = {"ok"};
    click("Command5");
    EXPECT_EQ(shown(), expected);
  }
  click("Command5");  // only the sample is left: nothing is asked
  EXPECT_EQ(platform.shown.size(), 3u);
  click("Command2");
  EXPECT_EQ(file(), QByteArray());
}

TEST_F(MeishiWindow, The100thCardIsTheLast) {
  open(cards_bytes(99));
  click("Command4");
  fill(card("A"));
  click("Command1");
  EXPECT_EQ(shown(), "101 ");
  fill(card("B"));
  click("Command1");
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_EQ(platform.shown[0].text, "登録件数は１００件までです。");
  EXPECT_EQ(form.card_cnt, 100);
}

TEST_F(MeishiWindow, AChangedSampleIsSavedAsACard) {
  m.flg_meisi = 1;
  form.show();
  click("Command7");
  form.c("Text4").text = "私の名前";
  click("Command1");
  click("Command2");
  QStringList expected = sample_card();
  expected[kName] = "私の名前";
  EXPECT_EQ(file(), line_of(expected));
  EXPECT_EQ(m.flg_meisi, 0);
}
