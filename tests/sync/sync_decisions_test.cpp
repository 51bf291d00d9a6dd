#include "sync/sync_decisions.h"

#include <gtest/gtest.h>

namespace {

SyncRecord memo(const QString& day, const QString& text) { return {RecordKind::Memo, day, {text}}; }
SyncRecord person(const QString& phone) {
  return {RecordKind::Address, "山田 太郎", {"山田 太郎", "", "", "", phone, "", "", ""}};
}

struct Listed {
  QString href;
  std::optional<SyncRecord> record;  // nullopt: not the files' to hold
  bool changed = false;              // its ETag differs from the last sync's
};

struct Synced {
  QString href;
  SyncRecord local;
  std::optional<SyncRecord> server = std::nullopt;  // when the server's differs from the local one
};

struct Row {
  const char* rule;
  QList<Synced> synced;  // both sides as the last sync left them
  QList<SyncRecord> local;
  QList<Listed> server;
  QStringList actions;  // "kind href", with " !" for a conflict
  QStringList after;    // the local records' first fields afterwards
  bool allow_deletes = false;
  bool stopped = false;
};

const char* kind_name(ActionKind kind) {
  static const char* names[] = {"Keep",     "Upload",      "Create", "DeleteRemote",
                                "Download", "DeleteLocal", "Forget", "Unsupported"};
  return names[int(kind)];
}

Decisions run(const Row& row) {
  QMap<QString, ItemState> state;
  for (const Synced& s : row.synced)
    state[s.href] = {"e-" + s.href, record_hash(s.server.value_or(s.local)), record_hash(s.local),
                     false, record_key(s.local)};
  QMap<QString, ServerItem> server;
  for (const Listed& l : row.server) {
    const bool fetched = l.changed || !state.contains(l.href);
    server[l.href] = {fetched ? "new" : "e-" + l.href, fetched, fetched ? l.record : std::nullopt};
  }
  return decide(state, row.local, server, row.allow_deletes);
}

}  // namespace

TEST(SyncDecisions, EachSideComesLevelWithTheOther) {
  const SyncRecord a = memo("2026/12/08", "買い物"), a2 = memo("2026/12/08", "買い物と散歩"),
                   a3 = memo("2026/12/08", "映画"), b = memo("2026/12/24", "イブ");
  const SyncRecord taro = person("03-1"), taro_here = person("03-2"), taro_there = person("03-3");
  const SyncRecord emoji = memo("2026/12/09", "🎉会"), emoji_fitted = memo("2026/12/09", "会");
  // clang-format off
  const Row rows[] = {
      {"nothing changed: nothing moves", {{"a", a}}, {a}, {{"a", a}}, {"Keep a"}, {"買い物"}},
      {"a server that reformats is not changing", {{"a", a}}, {a}, {{"a", a, true}}, {"Keep a"}, {"買い物"}},
      {"edited here: the server item follows", {{"a", a}}, {a2}, {{"a", a}}, {"Upload a"}, {"買い物と散歩"}},
      {"edited there: the local record follows", {{"a", a}}, {a}, {{"a", a2, true}}, {"Download a"}, {"買い物と散歩"}},
      {"deleted here: deleted there", {{"a", a}, {"b", b}}, {b}, {{"a", a}, {"b", b}}, {"DeleteRemote a", "Keep b"}, {"イブ"}},
      {"deleted there: deleted here", {{"a", a}, {"b", b}}, {a, b}, {{"b", b}}, {"DeleteLocal a", "Keep b"}, {"イブ"}},
      {"deleted on both sides: forgotten", {{"a", a}, {"b", b}}, {b}, {{"b", b}}, {"Forget a", "Keep b"}, {"イブ"}},
      {"an edit here beats a deletion there", {{"a", a}}, {a2}, {}, {"Create "}, {"買い物と散歩"}},
      {"an edit there beats a deletion here", {{"a", a}, {"b", b}}, {b}, {{"a", a2, true}, {"b", b}},
       {"Download a", "Keep b"}, {"イブ", "買い物と散歩"}},
      {"a memo changed on both sides keeps both texts", {{"a", a}}, {a2}, {{"a", a3, true}}, {"Upload a !"},
       {"映画\n――\n買い物と散歩"}},
      {"the same change on both sides is no conflict", {{"a", a}}, {a2}, {{"a", a2, true}}, {"Keep a"}, {"買い物と散歩"}},
      {"a contact changed on both sides: the server's here, ours as a new one", {{"t", taro}}, {taro_here},
       {{"t", taro_there, true}}, {"Download t !", "Create  !"}, {"山田 太郎", "山田 太郎（トリベ）"}},
      {"the same record on both sides at the first sync is one item", {}, {a, b}, {{"x", b}}, {"Keep x", "Create "},
       {"買い物", "イブ"}},
      {"what the files cannot hold stays there", {}, {}, {{"x", std::nullopt}}, {"Unsupported x"}, {}},
      {"characters the files cannot hold are no change", {{"e", emoji_fitted, emoji}}, {emoji_fitted},
       {{"e", emoji, true}}, {"Keep e"}, {"会"}},
      {"deleting every item stops the sync", {{"a", a}, {"b", b}}, {}, {{"a", a}, {"b", b}},
       {"DeleteRemote a", "DeleteRemote b"}, {}, false, true},
      {"unless deletions are allowed", {{"a", a}, {"b", b}}, {}, {{"a", a}, {"b", b}},
       {"DeleteRemote a", "DeleteRemote b"}, {}, true, false},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    const Decisions d = run(row);
    QStringList actions, after;
    for (const SyncAction& action : d.actions)
      actions << QString(kind_name(action.kind)) + ' ' + action.href +
                     (action.conflict ? " !" : "");
    for (const SyncRecord& r : d.local) after << r.fields.value(0);
    EXPECT_EQ(actions.join(" | ").toStdString(), row.actions.join(" | ").toStdString());
    EXPECT_EQ(after.join(" | ").toStdString(), row.after.join(" | ").toStdString());
    EXPECT_EQ(d.too_many_deletes, row.stopped);
  }
}

TEST(SyncDecisions, NewServerRecordsBeyondTheLimitStayThere) {
  QList<SyncRecord> local;
  QMap<QString, ServerItem> server;
  for (int i = 0; i < 100; ++i)
    local << SyncRecord{RecordKind::Card, QString::number(i), QStringList(10, QString::number(i))};
  server["new"] = {"n", true, SyncRecord{RecordKind::Card, "x", QStringList(10, "x")}};
  const Decisions d = decide({}, local, server, false);
  EXPECT_EQ(d.actions.value(0).kind, ActionKind::Unsupported);
  EXPECT_EQ(d.local.size(), 100);
}
