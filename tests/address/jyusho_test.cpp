#include "address/jyusho.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/scripted_platform.h"
#include "core/text_file.h"

namespace {

class AddressBook : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir::setCurrent(dir.path())); }
  void TearDown() override { QDir::setCurrent(old_folder); }

  void open() {
    m.flg_jyu = 1;
    form.show();
  }
  void click(const char* name, int index = -1) {
    ASSERT_TRUE(form.c(name, index).enabled) << name;
    Event e{Event::Click, name, index};
    form.dispatch(e);
  }
  void type(const char* box, const QString& text) {
    form.c(box).text = text;
    Event e{Event::Change, box};
    form.dispatch(e);
  }
  // 入力, the fields in file order, 登録.
  void add(const QStringList& fields) {
    if (form.mode != RecordMode::Input) click("Command2");
    for (int i = 0; i < fields.size(); ++i) type(Jyusho::kBoxes[i], fields[i]);
    click("Command3");
  }
  QByteArray file_bytes() const {
    QFile file(kAddressFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
  }
  void write_file(const QByteArray& bytes) { ASSERT_TRUE(write_bytes(kAddressFile, bytes)); }
  QString shown() const { return form.c("Text9").text + ":" + form.c("Text1").text; }

  QTemporaryDir dir;
  QString old_folder = QDir::currentPath();
  Module1 m;
  ScriptedPlatform platform;
  Jyusho form{m, platform};
};

QByteArray numbered_lines(int from, int to) {
  QByteArray bytes;
  for (int i = from; i <= to; ++i)
    bytes += to_cp932(QString("\"名%1\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n").arg(i));
  return bytes;
}

TEST_F(AddressBook, BrokenFileKeepsEveryLineAndEveryRecord) {
  // A short line, bytes that are not CP932, and 520 records.
  const QByteArray broken_a = to_cp932("\"短い\",\"行\"");
  const QByteArray broken_b = "\"\x82\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"";
  write_file(broken_a + "\r\n" + numbered_lines(1, 260) + broken_b + "\r\n" +
             numbered_lines(261, 520));
  open();
  EXPECT_EQ(form.adr_cnt, 520);
  click("Command2");
  EXPECT_EQ(platform.shown.back().text, "これ以上データ登録できません！！");
  EXPECT_EQ(platform.shown.back().icon, MsgIcon::Exclamation);
  EXPECT_EQ(form.mode, RecordMode::Browse);

  // Record 261 (after the unreadable line) changed; a full book stores it silently.
  click("Command1", 3);
  for (int i = 0; i < 259; ++i) click("Command1", 1);
  EXPECT_EQ(form.c("Text1").text, "名261");
  click("Command4");
  type("Text7", "new@example.com");
  click("Command3");
  EXPECT_EQ(platform.shown.size(), 1u);
  click("Command7");

  EXPECT_EQ(file_bytes(),
            broken_a + "\r\n" + numbered_lines(1, 260) + broken_b + "\r\n" +
                to_cp932("\"名261\",\"\",\"\",\"\",\"\",\"\",\"\",\"new@example.com\"\r\n") +
                numbered_lines(262, 520));
}

TEST_F(AddressBook, The500thRecordIsStoredWithTheTwoLineWarning) {
  write_file(numbered_lines(1, 498));
  open();
  add({"四百九十九"});
  EXPECT_TRUE(platform.shown.empty());
  EXPECT_EQ(form.c("Text9").text, "500");
  add({"五百"});
  ASSERT_EQ(platform.shown.size(), 1u);
  EXPECT_EQ(platform.shown[0].text,
            "入力されたデータは登録しましたが、\r\nこれ以上データ登録できません！！");
  EXPECT_EQ(platform.shown[0].title, "データ登録");
  EXPECT_EQ(form.mode, RecordMode::Browse);
  EXPECT_EQ(shown(), "1:名1");
  EXPECT_TRUE(form.c("Text1").locked);
  EXPECT_FALSE(form.c("Command3").enabled);
  click("Command1", 3);
  EXPECT_EQ(shown(), "500:五百");
}

}  // namespace
