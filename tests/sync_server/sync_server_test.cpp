// The sync against a real Radicale, with curl as the phone.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>
#include <functional>

#include "calendar/user_day_files.h"
#include "core/instance_lock.h"
#include "core/text_file.h"
#include "radicale.h"

namespace {

QString summary(int sent, int received, int conflicts, int unsupported, int dropped) {
  return QString("同期しました（送信 %1件、受信 %2件、競合 %3件、対象外 %4件、除いた文字 %5字）")
      .arg(QString::number(sent), QString::number(received), QString::number(conflicts),
           QString::number(unsupported), QString::number(dropped));
}

QByteArray vevent(const QByteArray& uid, const QByteArray& lines) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
         "\r\nDTSTAMP:20260101T000000Z\r\n" + lines + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

QByteArray memo_event(const QByteArray& uid, const QByteArray& day, const QByteArray& text) {
  return vevent(uid, "DTSTART;VALUE=DATE:" + day + "\r\nSUMMARY:" + text + "\r\n");
}

const QByteArray kCaldav = "urn:ietf:params:xml:ns:caldav";
const QByteArray kCarddav = "urn:ietf:params:xml:ns:carddav";

class SyncServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server = new Radicale(false); }
  static void TearDownTestSuite() { delete server; }
  void SetUp() override {
    user = "u" + QString::number(++users);
    // The phone has the calendar and the address book already; Toribe makes the cards' book.
    const QByteArray set = "<d:set><d:prop><d:displayname>";
    ASSERT_EQ(phone("MKCALENDAR", "cal",
                    "<c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"" + kCaldav + "\">" + set +
                        "トリベ</d:displayname></d:prop></d:set></c:mkcalendar>")
                  .status,
              201);
    ASSERT_EQ(phone("MKCOL", "adr",
                    "<d:mkcol xmlns:d=\"DAV:\" xmlns:a=\"" + kCarddav + "\">" + set +
                        "トリベ住所録</d:displayname><d:resourcetype><d:collection/>"
                        "<a:addressbook/></d:resourcetype></d:prop></d:set></d:mkcol>")
                  .status,
              201);
  }
  // The phone changes a text of an item it holds, keeping everything else.
  int edit(const QString& item, const QByteArray& from, const QByteArray& to) {
    QByteArray body = phone("GET", item).body;
    return phone("PUT", item, body.replace(from, to)).status;
  }
  Reply phone(const QByteArray& method, const QString& item, const QByteArray& body = {}) {
    return server->phone(user, method, '/' + user + '/' + item, body);
  }
  QStringList args() {
    return {"sync", "--url",  server->url("/"), "--user",
            user,   "--data", data.path(),      "--password-stdin"};
  }
  Ran sync(const QStringList& extra = {}) {
    return run_program(TORIBE_EXE, args() + extra, "pw\n");
  }
  // The items the server holds in a collection, by name.
  QMap<QString, QByteArray> held(const QString& collection) {
    QMap<QString, QByteArray> items;
    QDirIterator it(server->storage('/' + user + '/' + collection), QDir::Files);
    while (it.hasNext()) {
      QFile file(it.next());
      if (file.open(QIODevice::ReadOnly)) items[it.fileName()] = file.readAll();
    }
    return items;
  }
  QString file(const QString& name) {
    return read_lines(data.filePath(name)).value_or(QStringList()).join('\n');
  }
  void write(const QString& name, const QStringList& lines) {
    ASSERT_TRUE(write_lines(data.filePath(name), lines));
  }
  QJsonObject state() {
    return QJsonDocument::fromJson(read_text_bytes(data.filePath("Sync.json")).value_or(""))
        .object();
  }

  static inline Radicale* server = nullptr;
  static inline int users = 0;
  QTemporaryDir data;
  QString user;
};

TEST_F(SyncServer, FirstSyncBothWaysThenNothingMoves) {
  write("memo.dat", {"2026/12/08買い物", "牛乳"});
  write("Memorial.DAT", {"1224イブ"});
  write("Address.DAT", {R"("山田 太郎","100-0001","東京都千代田区","1-1","03-1111","","","")"});
  write("Meishi.DAT", {R"("鈴木商事","営業部","課長","鈴木 一郎","","","03-2222","","","")"});
  ASSERT_EQ(
      phone("PUT", "cal/p1.ics",
            vevent("p1", "DTSTART;VALUE=DATE:20000229\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:閏の日\r\n"))
          .status,
      201);
  phone("PUT", "cal/p2.ics",
        vevent("p2", "DTSTART:20261209T093000\r\nDTEND:20261209T100000\r\nSUMMARY:歯医者\r\n"));
  phone("PUT", "cal/p3.ics",
        vevent("p3", "DTSTART;VALUE=DATE:20261230\r\nSUMMARY:休日\r\nCATEGORIES:ユーザー休日\r\n"));
  phone("PUT", "adr/p4.vcf",
        "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:p4\r\nFN:佐藤 花子\r\nN:佐藤;花子;;;\r\n"
        "TEL;TYPE=voice:06-3333\r\nNOTE:phone only\r\nEND:VCARD\r\n");

  EXPECT_EQ(sync().out, summary(4, 4, 0, 0, 0));
  EXPECT_TRUE(file("Memorial.DAT").contains("0229閏の日"));
  EXPECT_TRUE(file("memo.dat").contains("2026/12/0909:30 歯医者"));
  const HoliTable holidays = read_holiday_file(data.filePath("Holiday.DAT"));
  EXPECT_NE(std::find(holidays.begin(), holidays.end(), "20261230"), holidays.end());
  EXPECT_TRUE(file("Address.DAT").contains("佐藤 花子"));
  EXPECT_EQ(held("cal").size(), 5);
  EXPECT_EQ(held("adr").size(), 2);
  EXPECT_TRUE(held("adr").value("p4.vcf").contains("NOTE:phone only"));
  const QJsonObject first = state();

  EXPECT_EQ(sync().out, summary(0, 0, 0, 0, 0));
  const auto items = held("cal");
  const QString memos = file("memo.dat");
  EXPECT_EQ(sync().out, summary(0, 0, 0, 0, 0));
  EXPECT_EQ(held("cal"), items);
  EXPECT_EQ(file("memo.dat"), memos);
  for (const char* c : {"calendar", "addresses", "cards"})
    EXPECT_EQ(state()[c].toObject()["items"], first[c].toObject()["items"]) << c;
}

TEST_F(SyncServer, EditsDeletionsAndConflictsReachTheOtherSide) {
  write("memo.dat", {"2026/12/08買い物", "2026/12/10会議", "2026/12/11散歩"});
  write("Address.DAT", {R"("山田 太郎","","","","03-1111","","","")",
                        R"("田中 次郎","","","","03-5555","","","")"});
  ASSERT_EQ(sync().status, 0);
  const auto name_of = [&](const QString& collection, const QByteArray& text) {
    const auto items = held(collection);
    for (auto it = items.begin(); it != items.end(); ++it)
      if (it->contains(text)) return it.key();
    return QString();
  };
  const QString shopping = name_of("cal", "買い物"), meeting = name_of("cal", "会議"),
                walk = name_of("cal", "散歩"), tanaka = name_of("adr", "田中");
  ASSERT_FALSE(shopping.isEmpty() || meeting.isEmpty() || walk.isEmpty() || tanaka.isEmpty());
  const struct {
    const char* step;
    std::function<void()> change;
    QString summary;
    std::function<bool()> done;
  } steps[] = {
      {"edited here",
       [&] {
         write("memo.dat", {"2026/12/08買い物と卵", "2026/12/10会議", "2026/12/11散歩"});
       },
       summary(1, 0, 0, 0, 0), [&] { return held("cal").value(shopping).contains("買い物と卵"); }},
      {"edited on the phone", [&] { EXPECT_EQ(edit("cal/" + meeting, "会議", "会議は中止"), 201); },
       summary(0, 1, 0, 0, 0), [&] { return file("memo.dat").contains("会議は中止"); }},
      {"deleted on the phone", [&] { phone("DELETE", "cal/" + walk); }, summary(0, 1, 0, 0, 0),
       [&] { return !file("memo.dat").contains("散歩"); }},
      {"deleted here",
       [&] { write("Address.DAT", {R"("山田 太郎","","","","03-1111","","","")"}); },
       summary(1, 0, 0, 0, 0), [&] { return !held("adr").contains(tanaka); }},
      {"a memo changed on both sides keeps both texts",
       [&] {
         write("memo.dat", {"2026/12/08卵", "2026/12/10会議は中止"});
         EXPECT_EQ(edit("cal/" + shopping, "買い物と卵", "牛乳"), 201);
       },
       summary(1, 1, 1, 0, 0),
       [&] {
         return file("memo.dat").contains("2026/12/08牛乳\n――\n卵") &&
                held("cal").value(shopping).contains("――");
       }},
      {"a contact changed on both sides: the server's here, ours as a new one",
       [&] {
         write("Address.DAT", {R"("山田 太郎","","","","03-9999","","","")"});
         EXPECT_EQ(edit("adr/" + name_of("adr", "山田"), "03-1111", "03-7777"), 201);
       },
       summary(1, 1, 1, 0, 0),
       [&] {
         return file("Address.DAT").contains("03-7777") &&
                file("Address.DAT").contains("山田 太郎（トリベ）") && held("adr").size() == 2;
       }},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.change();
    EXPECT_EQ(sync().out.toStdString(), step.summary.toStdString());
    EXPECT_TRUE(step.done());
    EXPECT_EQ(sync().out, summary(0, 0, 0, 0, 0));
  }
}

TEST_F(SyncServer, WhatTheFilesCannotHoldStaysOnTheServer) {
  const QByteArray weekly =
      vevent("w", "DTSTART;VALUE=DATE:20261207\r\nRRULE:FREQ=WEEKLY\r\nSUMMARY:ごみ\r\n");
  phone("PUT", "cal/w.ics", weekly);
  phone("PUT", "cal/e.ics", memo_event("e", "20261224", "🎉パーティー"));
  const auto before = held("cal");
  EXPECT_EQ(sync().out, summary(0, 1, 0, 1, 1));
  EXPECT_TRUE(file("memo.dat").contains("2026/12/24パーティー"));
  EXPECT_EQ(sync().out, summary(0, 0, 0, 1, 0));
  EXPECT_EQ(held("cal"), before);
}

TEST_F(SyncServer, AnEarlierExportOnThePhoneIsMatchedNotDoubled) {
  write("memo.dat", {"2026/12/08買い物"});
  write("Memorial.DAT", {"0229閏の日"});
  const Ran exported = run_program(TORIBE_EXE, {"export", "calendar", "-", "--from", "2026", "--to",
                                                "2026", "--data", data.path()});
  const QStringList events = exported.out.split("BEGIN:VEVENT");
  int put = 0;
  for (const QString& e : events.mid(1)) {
    const QByteArray body = ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//p//EN\r\nBEGIN:VEVENT" +
                             e.section("END:VEVENT", 0, 0) + "END:VEVENT\r\nEND:VCALENDAR\r\n")
                                .toUtf8();
    phone("PUT", "cal/x" + QString::number(++put) + ".ics", body);
  }
  const int holidays = put - 2;
  EXPECT_EQ(sync().out, summary(0, 0, 0, holidays, 0));
  EXPECT_EQ(held("cal").size(), put);
  EXPECT_EQ(file("memo.dat"), "2026/12/08買い物");
}

TEST_F(SyncServer, DeletingEverythingNeedsAllowDeletes) {
  write("memo.dat", {"2026/12/08買い物", "2026/12/09散歩"});
  ASSERT_EQ(sync().status, 0);
  write("memo.dat", {});
  const Ran refused = sync();
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains("--allow-deletes"));
  EXPECT_EQ(held("cal").size(), 2);
  EXPECT_EQ(sync({"--allow-deletes"}).out, summary(2, 0, 0, 0, 0));
  EXPECT_EQ(held("cal").size(), 0);
}

TEST_F(SyncServer, AChangeOnThePhoneAfterTheListingIsDecidedAgain) {
  write("memo.dat", {"2026/12/08買い物"});
  ASSERT_EQ(sync().status, 0);
  const QString item = held("cal").firstKey();
  ASSERT_EQ(edit("cal/" + item, "買い物", "牛乳"), 201);
  // The listing the sync starts from predates the phone's change: its token is taken now.
  const Reply listing = server->phone(
      user, "REPORT", '/' + user + "/cal/",
      "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token/><d:sync-level>1</d:sync-level>"
      "<d:prop><d:getetag/></d:prop></d:sync-collection>",
      {"Depth: 1", "Content-Type: application/xml"});
  const QString token =
      QRegularExpression("<[^>]*sync-token>([^<]+)<").match(listing.body).captured(1);
  ASSERT_FALSE(token.isEmpty());
  QJsonObject s = state();
  QJsonObject calendar = s["calendar"].toObject();
  calendar["token"] = token;
  s["calendar"] = calendar;
  ASSERT_TRUE(write_bytes(data.filePath("Sync.json"), QJsonDocument(s).toJson()));
  write("memo.dat", {"2026/12/08卵"});
  EXPECT_EQ(sync().out.toStdString(), summary(1, 1, 1, 0, 0).toStdString());
  EXPECT_TRUE(file("memo.dat").contains("牛乳\n――\n卵"));
}

TEST_F(SyncServer, AKillAtAnyMomentLeavesNothingLostNorDoubled) {
  QStringList memos;
  for (int i = 1; i <= 20; ++i)
    memos << QString("2026/11/%1メモ%2").arg(i, 2, 10, QChar('0')).arg(i);
  write("memo.dat", memos);
  for (int i = 1; i <= 10; ++i)
    phone("PUT", QString("cal/p%1.ics").arg(i),
          memo_event("p" + QByteArray::number(i), "20261201", "電話" + QByteArray::number(i)));
  for (const int delay : {20, 40, 60, 90, 120, 160, 200, 250}) {
    QProcess victim;
    victim.start(TORIBE_EXE, args());
    victim.write("pw\n");
    victim.closeWriteChannel();
    QThread::msleep(delay);
    victim.kill();
    victim.waitForFinished();
  }
  ASSERT_EQ(sync().status, 0);
  EXPECT_EQ(sync().out, summary(0, 0, 0, 0, 0));
  EXPECT_EQ(file("memo.dat").count("メモ"), 20);
  EXPECT_EQ(file("memo.dat").count("電話"), 10);
  EXPECT_EQ(held("cal").size(), 30);
}

TEST_F(SyncServer, TheCommandSaysWhatTheUserCanMend) {
  Radicale tls(true);
  const QString url = tls.url("/");
  InstanceLock window(data_folder_lock_path(data.path()));
  const struct {
    const char* what;
    QStringList args;
    QByteArray password;
    int status;
    QString says;
  } rows[] = {
      // clang-format off
      {"http over a network", {"--url", "http://192.0.2.1/", "--user", "a"}, "", 1, "https://"},
      {"no password", {"--url", server->url("/"), "--user", user}, "", 1, "--password-stdin"},
      {"a wrong password", {"--url", server->url("/"), "--user", user, "--password-stdin"}, "x\n", 1, "パスワード"},
      {"a certificate not trusted", {"--url", url, "--user", "u1", "--password-stdin"}, "pw\n", 1, tls.fingerprint()},
      {"the one trusted", {"--trust", tls.fingerprint(), "--password-stdin"}, "pw\n", 0, ""},
      {"--url without --user", {"--url", url}, "", 2, "--user"},
      {"forgotten", {"--forget"}, "", 0, ""},
      {"nothing recorded", {}, "", 1, "--url"},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const Ran ran = run_program(TORIBE_EXE, QStringList{"sync", "--data", data.path()} + row.args,
                                row.password);
    EXPECT_EQ(ran.status, row.status);
    EXPECT_TRUE(ran.err.contains(row.says)) << ran.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(data.filePath("Sync.json")));
  ASSERT_TRUE(window.acquire(0));
  const Ran refused = run_program(TORIBE_EXE, {"sync", "--data", data.path()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains("画面"));
}

}  // namespace
