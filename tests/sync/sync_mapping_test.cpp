#include <gtest/gtest.h>

#include "sync/dav_xml.h"
#include "sync/event_mapping.h"
#include "sync/vcard_mapping.h"

namespace {

QByteArray calendar(const QByteArray& body) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//phone//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QByteArray event(const QByteArray& lines) {
  return calendar("BEGIN:VEVENT\r\nUID:u1\r\nDTSTAMP:20260101T000000Z\r\n" + lines +
                  "END:VEVENT\r\n");
}

QString shown(const std::optional<SyncRecord>& r) {
  return r ? QString::number(int(r->kind)) + ' ' + r->key + ' ' + r->fields.join('|') : "-";
}

}  // namespace

TEST(SyncMapping, ServerEventsBecomeTheRecordsTheyCanBe) {
  const struct {
    const char* rule;
    QByteArray ics;
    QString record;  // kind (1 anniversary, 2 holiday, 0 memo), key, fields; "-" for none
  } rows[] = {
      // clang-format off
      {"yearly all-day: an anniversary",
       event("DTSTART;VALUE=DATE:19900514\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:母の誕生日\r\n"), "1 0514 母の誕生日"},
      {"29 February stays a day",
       event("DTSTART;VALUE=DATE:20000229\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:閏\r\n"), "1 0229 閏"},
      {"all-day user holiday", event("DTSTART;VALUE=DATE:20261230\r\nDTEND;VALUE=DATE:20261231\r\n"
                                     "SUMMARY:休日\r\nCATEGORIES:ユーザー休日\r\n"), "2 20261230 "},
      {"our memo: the whole text in DESCRIPTION",
       event("DTSTART;VALUE=DATE:20261208\r\nSUMMARY:買い物\r\nDESCRIPTION:買い物\\n牛乳\r\n"), "0 2026/12/08 買い物\n牛乳"},
      {"a phone's notes follow its title",
       event("DTSTART;VALUE=DATE:20261208\r\nSUMMARY:会議\r\nDESCRIPTION:三階\r\n"), "0 2026/12/08 会議\n三階"},
      {"timed: the time before the text",
       event("DTSTART;TZID=Asia/Tokyo:20261208T093000\r\nDTEND;TZID=Asia/Tokyo:20261208T103000\r\nSUMMARY:歯医者\r\n"),
       "0 2026/12/08 09:30 歯医者"},
      {"several days: not ours",
       event("DTSTART;VALUE=DATE:20261208\r\nDTEND;VALUE=DATE:20261211\r\nSUMMARY:旅行\r\n"), "-"},
      {"weekly: not ours", event("DTSTART;VALUE=DATE:20261208\r\nRRULE:FREQ=WEEKLY\r\nSUMMARY:ごみ\r\n"), "-"},
      {"an exported national holiday: computed, not a memo",
       event("DTSTART;VALUE=DATE:20260101\r\nSUMMARY:元日\r\nCATEGORIES:祝日\r\n"), "-"},
      {"a task: not ours", calendar("BEGIN:VTODO\r\nUID:t\r\nSUMMARY:t\r\nEND:VTODO\r\n"), "-"},
      {"not iCalendar", "BEGIN:VCARD\r\nFN:x\r\nEND:VCARD\r\n", "-"},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.rule);
    EXPECT_EQ(shown(event_record(row.ics)).toStdString(), row.record.toStdString());
  }
}

TEST(SyncMapping, RewritingChangesOnlyWhatTheRecordHolds) {
  const QByteArray phone = event(
      "DTSTART;VALUE=DATE:20261208\r\nSUMMARY:買い物\r\nX-PHONE-COLOUR:red\r\n"
      "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nDESCRIPTION:r\r\nEND:VALARM\r\n");
  const auto old = event_record(phone);
  ASSERT_TRUE(old);
  const SyncRecord edited{RecordKind::Memo, "2026/12/09", {"買い物\n卵"}};
  const QByteArray out = event_bytes(edited, phone, old, "ignored");
  for (const char* kept : {"UID:u1", "X-PHONE-COLOUR:red", "TRIGGER:-PT15M"})
    EXPECT_TRUE(out.contains(kept)) << kept;
  EXPECT_EQ(shown(event_record(out)), shown(edited));

  const QByteArray card =
      "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c1\r\nFN:山田 太郎\r\nN:山田;太郎;;;\r\n"
      "TEL;TYPE=voice:03-1\r\nNOTE:友人\r\nPHOTO;VALUE=uri:http://x/p.jpg\r\nEND:VCARD\r\n";
  const auto old_card = vcard_record(card, RecordKind::Address);
  ASSERT_TRUE(old_card);
  SyncRecord moved = *old_card;
  moved.fields[4] = "03-9";
  const QByteArray out_card = vcard_bytes(moved, card, old_card, "ignored", false);
  for (const char* kept : {"UID:c1", "NOTE:友人", "PHOTO;VALUE=uri:http://x/p.jpg", "N:山田;太郎"})
    EXPECT_TRUE(out_card.contains(kept)) << kept;
  EXPECT_FALSE(out_card.contains("03-1"));
  EXPECT_EQ(shown(vcard_record(out_card, RecordKind::Address)), shown(moved));
}

TEST(SyncMapping, FittingDropsWhatTheFilesCannotHoldAndCountsIt) {
  const struct {
    SyncRecord in;
    QString out;
    int dropped;
  } rows[] = {
      // clang-format off
      {{RecordKind::Memo, "2026/12/08", {"🎉会\n二行"}}, "会\n二行", 1},
      {{RecordKind::Anniversary, "0101", {"元日\n休み"}}, "元日 休み", 0},
      {{RecordKind::Address, "a", {"\"a\"", "", "", "", "", "", "", ""}}, "a", 2},
      {{RecordKind::Card, "x", {QString(25, u'社'), "", "", "x", "", "", "", "", "", ""}}, QString(20, u'社'), 5},
      // clang-format on
  };
  for (auto row : rows) {
    EXPECT_EQ(fit_record(row.in), row.dropped);
    EXPECT_EQ(row.in.fields.first(), row.out);
  }
}

TEST(SyncMapping, MultistatusGivesEntriesAndToken) {
  const QByteArray xml =
      "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\" "
      "xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
      "<d:response><d:href>/a/1.ics</d:href><d:propstat><d:prop><d:getetag>\"e1\"</d:getetag>"
      "<c:calendar-data>BEGIN:VCALENDAR</c:calendar-data></d:prop>"
      "<d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
      "<d:propstat><d:prop><d:displayname/></d:prop><d:status>HTTP/1.1 404 Not Found</d:status>"
      "</d:propstat></d:response>"
      "<d:response><d:href>/a/2.ics</d:href><d:status>HTTP/1.1 404 Not Found</d:status>"
      "</d:response><d:sync-token>tok-2</d:sync-token></d:multistatus>";
  const auto ms = read_multistatus(xml);
  ASSERT_TRUE(ms && ms->entries.size() == 2);
  const DavEntry& first = ms->entries[0];
  EXPECT_EQ(first.etag + ' ' + first.data + ' ' + QString::number(first.status),
            "\"e1\" BEGIN:VCALENDAR 200");
  EXPECT_EQ(QString::number(ms->entries[1].status) + ' ' + ms->sync_token, "404 tok-2");
  for (const QByteArray& bad : {QByteArray(), QByteArray("<html/>"), xml.left(120)})
    EXPECT_FALSE(read_multistatus(bad)) << bad.constData();
}
