// Every writer of every window, under every way a save can fail: a folder
// standing where the file should be, a full disk (a file-size limit of nothing)
// and a read-only folder. Each failure is told in a message box that names the
// file, the data stay in memory, the old file is untouched, nothing is reported
// as saved, and the next save, once the file can be written, stores the change.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "address/jyusho.h"
#include "baseball/baseball.h"
#include "calendar/user_day_files.h"
#include "cards/meishi.h"
#include "cards/meishi_boxes.h"
#include "cards/meishi_file.h"
#include "core/quoted_records.h"
#include "core/scripted_platform.h"
#include "core/text_file.h"
#include "gifts/zouto.h"
#include "ledger/kozukai.h"
#include "ledger/kozukai_file.h"
#include "reliability/failure_in_place.h"
#include "reliability/window_rig.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

namespace {

QByteArray file_bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ini_first_line() { return read_lines(kSettingsFile).value_or(QStringList{""}).value(0); }

bool ledger_holds_income() {
  const auto tables = read_koz_file("TO2003.KOZ");
  return tables && tables->nyukin.size() == 1 && tables->nyukin[0].text.endsWith("おこづかい");
}

struct Writer {
  const char* name;
  const char* file;
  // Writes the old file and opens the window.
  std::function<void(Rig&)> open;
  // Changes something and saves it; for a tool window that saves on leaving,
  // that is the close button.
  std::function<void(Rig&)> change_and_save;
  // The change is still in memory (and the window still open where it asks).
  std::function<bool(Rig&)> kept;
  // The next save, once the file can be written.
  std::function<void(Rig&)> save_again;
  // The file holds the change.
  std::function<bool(Rig&)> written;
  // Leaving with what could not be saved asks first (Yes/No).
  bool asks = false;
  // Another file the same act writes: it fails too when the whole folder does.
  const char* also = nullptr;
  // The writer rewrites what it has just read: a folder in the file's place
  // cannot be read either, so there is nothing to rewrite.
  bool rewrites_on_reading = false;
};

const QStringList kOldCard = {"旧商事", "", "", "旧氏", "", "", "", "", "", ""};
const QByteArray kOldAddress = to_cp932("\"旧\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");

const Writer kWriters[] = {
    {"Settings", "Toribe.ini",
     [](Rig& r) {
       r.settings();
       r.main_window();
     },
     [](Rig& r) { r.click("Option1", 1); }, [](Rig& r) { return r.m.calen_mode == 2; },
     [](Rig& r) { r.click("Option1", 1); },
     [](Rig&) { return ini_first_line().startsWith("IBE"); }},
    // At start a short settings file is completed with the defaults and written whole.
    {"SettingsCompletedAtStart", "Toribe.ini",
     [](Rig&) {
       ASSERT_TRUE(write_lines(kSettingsFile, {"IBE", "KOZ = 200305"}));
     },
     [](Rig& r) { r.start_program(); },
     [](Rig& r) {
       return r.program->m.ini_str == kDefaultTokenString && r.program->m.ini_koz == "KOZ = 200305";
     },
     [](Rig& r) { r.start_program(); },
     [](Rig&) { return read_lines(kSettingsFile).value_or(QStringList()).size() == 12; }},
    // A token string of three characters is padded at start and written at once.
    {"SettingsPaddedAtStart", "Toribe.ini",
     [](Rig&) {
       QStringList lines{"IBE", "KOZ = 200305", "BaseBall = "};
       for (int i = 1; i <= 9; ++i) lines << QString("TORIBE%1 = ").arg(i);
       ASSERT_TRUE(write_lines(kSettingsFile, lines));
     },
     [](Rig& r) { r.start_program(); },
     [](Rig& r) {
       return r.program->m.calen_mode == 2 &&
              r.program->m.ini_str == "IBEABCDEFGHIJKLMNOPQRSTUVWXYZ0";
     },
     [](Rig& r) { r.start_program(); },
     [](Rig&) { return ini_first_line() == "IBEABCDEFGHIJKLMNOPQRSTUVWXYZ0"; }, false, nullptr,
     true},
    {"Holidays", "Holiday.DAT",
     [](Rig& r) {
       HoliTable old{};
       old[0] = "2003";
       old[kHoliYears] = "20030505";
       ASSERT_TRUE(write_lines(kHolidayFile, holiday_file_lines(old)));
       r.main_window();
     },
     [](Rig& r) {
       r.click("mnu_yasumi");
       r.press_day(13);
       r.press_button(5);
     },
     [](Rig& r) {
       const Toribe& t = r.as<Toribe>();
       return t.set_mode == Toribe::Mode::None && t.holi_dat[kHoliYears + 1] == "20030513";
     },
     [](Rig& r) {
       r.click("mnu_yasumi");
       r.press_button(5);
     },
     [](Rig&) { return read_holiday_file(kHolidayFile)[kHoliYears + 1] == "20030513"; }},
    {"Anniversaries", "Memorial.DAT",
     [](Rig& r) {
       ASSERT_TRUE(write_lines(kMemorialFile, {"0101元日"}));
       r.main_window();
     },
     [](Rig& r) {
       r.click("mnuusr_menol");
       r.platform.answers.push_back(ScriptedAnswer::text("誕生日"));
       r.press_day(12);
       r.press_button(5);
     },
     [](Rig& r) {
       Toribe& t = r.as<Toribe>();
       return t.set_mode == Toribe::Mode::None && t.kinen_dat[1] == "0512誕生日" &&
              t.c("Label1", t.first_col + 11).fore == kMagenta;
     },
     [](Rig& r) {
       r.click("mnuusr_menol");
       r.press_button(5);
     },
     [](Rig&) {
       return read_lines(kMemorialFile) == QStringList{"0101元日", "0512誕生日"};
     }},
    {"Memos", "memo.dat",
     [](Rig& r) {
       ASSERT_TRUE(write_lines("memo.dat", {"2003/05/01old"}));
       r.main_window();
     },
     [](Rig& r) { r.write_memo("kept"); },
     [](Rig& r) {
       Toribe& t = r.as<Toribe>();
       return t.memo_cnt == 2 && t.memo_txt.contains("2003/05/12kept\r\n") &&
              t.c("Text4").text == "2件のメモがあります。" && t.c("Image2").visible;
     },
     // The next memo carries the first along.
     [](Rig& r) { r.write_memo("more"); },
     [](Rig& r) {
       const QStringList file = read_lines("memo.dat").value_or(QStringList());
       return r.as<Toribe>().memo_cnt == 3 && file.contains("2003/05/12kept") &&
              file.contains("2003/05/12more");
     }},
    {"MemosPastDroppedAtStart", "memo.dat",
     [](Rig& r) {
       ASSERT_TRUE(write_lines("memo.dat", {"2003/04/12old", "2003/04/13recent"}));
       r.m.memo_del = 1;
     },
     [](Rig& r) { r.main_window(); },
     [](Rig& r) { return r.as<Toribe>().memo_txt.mid(1) == QStringList{"2003/04/13recent\r\n"}; },
     [](Rig& r) { r.main_window(); },
     [](Rig&) {
       return read_lines("memo.dat") == QStringList{"2003/04/13recent", ""};
     },
     false, nullptr, true},
    {"LedgerLeavingTheMonth", "TO2003.KOZ",
     [](Rig& r) {
       r.settings();
       ASSERT_TRUE(write_lines("TO2003.KOZ", {build_koz_record(false, 2003, 5, 5, "350", "パン")}));
       r.tool<Kozukai>(r.m);
     },
     [](Rig& r) {
       r.enter_income();
       r.click("Command2", 2);
     },
     // A step whose save failed stays in the month.
     [](Rig& r) {
       const Kozukai& k = r.as<Kozukai>();
       return k.koz_month == 5 && k.dirty_flg == 1 && k.nyukin_cnt() == 1;
     },
     [](Rig& r) { r.click("Command2", 2); },
     [](Rig& r) { return r.as<Kozukai>().koz_month == 6 && ledger_holds_income(); }},
    {"LedgerClosing", "TO2003.KOZ",
     [](Rig& r) {
       r.settings();
       ASSERT_TRUE(write_lines("TO2003.KOZ", {build_koz_record(false, 2003, 5, 5, "350", "パン")}));
       r.m.flg_kozu = 1;
       r.tool<Kozukai>(r.m);
     },
     [](Rig& r) {
       r.enter_income();
       r.click("Command1");
     },
     [](Rig& r) { return r.m.flg_kozu == 1 && r.as<Kozukai>().nyukin_cnt() == 1; },
     [](Rig& r) { r.click("Command1"); },
     [](Rig& r) { return r.m.flg_kozu == 0 && ledger_holds_income(); }, true, "Toribe.ini"},
    {"Cards", "Meishi.DAT",
     [](Rig& r) {
       ASSERT_TRUE(write_lines(kCardFile, {format_quoted_record(kOldCard)}));
       r.m.flg_meisi = 1;
       r.tool<Meishi>(r.m);
     },
     [](Rig& r) {
       r.click("Command7");
       r.form->c(kCardBoxes[kName].name).text = "私の名前";
       r.click("Command1");
       r.click("Command2");
     },
     [](Rig& r) {
       return r.m.flg_meisi == 1 && r.as<Meishi>().card_tbl.records[0][kName] == "私の名前";
     },
     [](Rig& r) { r.click("Command2"); },
     [](Rig& r) {
       const QuotedRecords cards = read_cards(kCardFile);
       return r.m.flg_meisi == 0 && cards.records.size() == 1 &&
              cards.records[0][kName] == "私の名前";
     },
     true},
    {"Addresses", "Address.DAT",
     [](Rig& r) {
       ASSERT_TRUE(write_bytes(kAddressFile, kOldAddress));
       r.m.flg_jyu = 1;
       r.tool<Jyusho>(r.m);
     },
     [](Rig& r) {
       r.click("Command2");
       r.fill("Text1", "山田");
       r.click("Command3");
       r.click("Command8");
       r.click("Command7");
     },
     [](Rig& r) { return r.m.flg_jyu == 1 && r.as<Jyusho>().adr_cnt == 2; },
     [](Rig& r) { r.click("Command7"); },
     [](Rig& r) {
       return r.m.flg_jyu == 0 &&
              file_bytes(kAddressFile) ==
                  kOldAddress + to_cp932("\"山田\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
     },
     true},
    {"Gifts", "ZOUTOU.ZOU",
     [](Rig& r) {
       ASSERT_TRUE(write_lines(kZoutouFile, {"2003年5月1日  旧", kGiftSeparator}));
       r.tool<Zouto>(r.m);
     },
     [](Rig& r) {
       r.click("Command4");
       r.fill("Text2", "山田");
       r.fill("Text3", "x");
       r.click("Command6");
       r.click("Command8");
       r.click("Command1");
     },
     [](Rig& r) { return r.as<Zouto>().given.size() == 2; }, [](Rig& r) { r.click("Command1"); },
     [](Rig&) { return read_zoutou(kZoutouFile).given.size() == 2; }, true},
    // The base year goes into the settings on leaving; the window closes all the
    // same, and the year is written by the next save of the settings.
    {"BaseballBaseYear", "Toribe.ini",
     [](Rig& r) {
       r.settings(2003);
       const QStringList season(kTeams * kLeagueTeams, QString(kGamesPerOpponent - 1, ','));
       ASSERT_TRUE(write_lines("Bas2003.DAT", season));
       ASSERT_TRUE(write_lines("Bas2004.DAT", season));
       r.tool<Baseball>(r.m);
     },
     [](Rig& r) {
       r.click("Command2", 1);
       r.click("Command1");
     },
     [](Rig& r) { return r.m.base_year == 2004; },
     [](Rig& r) {
       r.main_window();
       r.click("Option1", 0);
     },
     [](Rig& r) {
       Module1 read;
       if (!read_ini(read, kSettingsFile)) return false;
       parse_token_string(read);
       return read.base_year == 2004 && r.m.base_year == 2004;
     }},
};

class InOwnFolder {
 public:
  InOwnFolder() { QDir::setCurrent(dir_.path()); }
  ~InOwnFolder() { QDir::setCurrent(old_); }

 private:
  QString old_ = QDir::currentPath();
  QTemporaryDir dir_;
};

using Case = std::tuple<int, Failure>;

std::vector<Case> every_case() {
  std::vector<Case> cases;
  for (int w = 0; w < int(std::size(kWriters)); ++w)
    for (Failure f : {Failure::FolderInPlace, Failure::DiskFull, Failure::ReadOnlyFolder})
      if (f != Failure::FolderInPlace || !kWriters[w].rewrites_on_reading) cases.emplace_back(w, f);
  return cases;
}

std::string case_name(const ::testing::TestParamInfo<Case>& info) {
  return std::string(kWriters[std::get<0>(info.param)].name) + "_" +
         failure_name(std::get<1>(info.param));
}

class WriteFailure : public ::testing::TestWithParam<Case> {};

TEST_P(WriteFailure, IsToldByNameAndNothingIsLost) {
  const Writer& writer = kWriters[std::get<0>(GetParam())];
  const Failure failure = std::get<1>(GetParam());
  InOwnFolder folder;
  Rig r;
  writer.open(r);
  const QByteArray before = file_bytes(writer.file);
  ASSERT_FALSE(before.isEmpty()) << "an old file to keep";
  r.platform.shown.clear();
  const bool also_fails = writer.also && failure != Failure::FolderInPlace;
  r.platform.answers.push_back("ok");
  if (also_fails) r.platform.answers.push_back("ok");
  if (writer.asks) r.platform.answers.push_back("no");
  {
    FailureInPlace in_place(failure, writer.file);
    if (!in_place.effective()) GTEST_SKIP() << "root can write into a read-only folder";
    writer.change_and_save(r);
  }
  std::vector<ShownMessage> shown;  // the message boxes; an input box may come before
  for (const ShownMessage& message : r.platform.shown)
    if (!message.input) shown.push_back(message);
  ASSERT_EQ(shown.size(), 1u + also_fails + writer.asks);
  EXPECT_TRUE(shown[0].text.contains(writer.file)) << shown[0].text.toStdString();
  if (also_fails) {
    EXPECT_TRUE(shown[1].text.contains(writer.also)) << shown[1].text.toStdString();
  }
  for (size_t i = 0; i < 1u + also_fails; ++i) {
    EXPECT_TRUE(shown[i].text.contains("書き込めません")) << shown[i].text.toStdString();
    EXPECT_EQ(shown[i].buttons, MsgButtons::Ok);
  }
  if (writer.asks) {
    EXPECT_EQ(shown.back().buttons, MsgButtons::YesNo);
    EXPECT_TRUE(r.form->visible) << "answered No: the window stays";
  }
  EXPECT_TRUE(writer.kept(r));
  if (failure != Failure::FolderInPlace) {
    EXPECT_EQ(file_bytes(writer.file), before) << "the old file must be untouched";
  }

  r.platform.shown.clear();
  writer.save_again(r);
  for (const ShownMessage& message : r.platform.shown) ADD_FAILURE() << message.text.toStdString();
  EXPECT_TRUE(writer.written(r));
  if (writer.asks) {
    EXPECT_FALSE(r.form->visible) << "saved: the window closes";
  }
  EXPECT_EQ(r.platform.fault, "");
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailure, ::testing::ValuesIn(every_case()), case_name);

// Answering Yes to the question leaves without saving.
TEST(WriteFailureQuestion, YesLeavesAnyway) {
  for (const Writer& writer : kWriters) {
    if (!writer.asks) continue;
    SCOPED_TRACE(writer.name);
    InOwnFolder folder;
    Rig r;
    writer.open(r);
    r.platform.answers = {"ok", "yes"};
    {
      FailureInPlace in_place(Failure::FolderInPlace, writer.file);
      writer.change_and_save(r);
    }
    EXPECT_EQ(r.platform.shown.size(), 2u);
    EXPECT_FALSE(r.form->visible);
    EXPECT_EQ(r.m.flg_kozu + r.m.flg_meisi + r.m.flg_jyu, 0);
    EXPECT_EQ(r.platform.fault, "");
  }
}

}  // namespace
