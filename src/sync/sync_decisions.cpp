#include "sync/sync_decisions.h"

#include "sync/sync_local.h"

namespace {

enum class Local { Unchanged, Changed, Deleted, Absent };
enum class Server { Same, Changed, ChangedUnsupported, Gone };

SyncRecord fitted(SyncRecord record) {
  fit_record(record);
  return record;
}

SyncAction action(ActionKind kind, const QString& href, const SyncRecord& record = {}) {
  SyncAction a;
  a.kind = kind;
  a.href = href;
  a.record = record;
  return a;
}

bool too_many(int deletes, qsizetype count) {
  return deletes > 0 && (deletes == count || (count > 10 && deletes * 2 > count));
}

class Decider {
 public:
  Decider(const QMap<QString, ItemState>& state, const QList<SyncRecord>& local,
          const QMap<QString, ServerItem>& server)
      : state_(state),
        server_(server),
        original_(local),
        local_(local.begin(), local.end()),
        used_(local.size()) {
    for (const SyncRecord& r : local) hashes_ << record_hash(r);
  }

  Decisions run(bool allow_deletes) {
    QMap<QString, int> paired;
    pair_by(paired, [&](const ItemState& st, int i) { return hashes_[i] == st.local_hash; });
    QSet<QString> unchanged(paired.keyBegin(), paired.keyEnd());
    pair_by(paired, [&](const ItemState& st, int i) { return record_key(local_[i]) == st.key; });
    for (auto it = state_.begin(); it != state_.end(); ++it) {
      const int i = paired.value(it.key(), -1);
      const Local local = it->local_hash.isEmpty()       ? Local::Absent
                          : i < 0                        ? Local::Deleted
                          : unchanged.contains(it.key()) ? Local::Unchanged
                                                         : Local::Changed;
      decide_item(it.key(), *it, local, i);
    }
    for (auto it = server_.begin(); it != server_.end(); ++it)
      if (!state_.contains(it.key())) new_on_server(it.key(), *it);
    for (int i = 0; i < int(local_.size()); ++i)
      if (!used_[i]) create(local_[i], i);
    return finish(allow_deletes);
  }

 private:
  template <typename Match>
  void pair_by(QMap<QString, int>& paired, Match match) {
    for (auto it = state_.begin(); it != state_.end(); ++it) {
      if (paired.contains(it.key()) || it->local_hash.isEmpty()) continue;
      for (int i = 0; i < int(local_.size()); ++i)
        if (!used_[i] && match(*it, i)) {
          used_[i] = true;
          paired[it.key()] = i;
          break;
        }
    }
  }

  Server server_side(const QString& href, const ItemState& st) const {
    if (!server_.contains(href)) return Server::Gone;
    const ServerItem& s = server_[href];
    if (!s.fetched || (s.etag == st.etag && !st.server_hash.isEmpty())) return Server::Same;
    if (!s.record) return Server::ChangedUnsupported;
    return record_hash(*s.record) == st.server_hash ? Server::Same : Server::Changed;
  }

  void decide_item(const QString& href, const ItemState& st, Local local, int i) {
    const Server server = server_side(href, st);
    const std::optional<SyncRecord> r = server_.value(href).record;
    if (server == Server::Gone) {
      if (local == Local::Unchanged)
        return add(action(ActionKind::DeleteLocal, href), i, std::nullopt);
      if (local == Local::Changed) return create(local_[i], i);
      return add(action(ActionKind::Forget, href), -1, std::nullopt);
    }
    if (st.unsupported || local == Local::Absent) {
      if (!server_[href].fetched)
        return add(action(st.unsupported ? ActionKind::Unsupported : ActionKind::Keep, href));
      if (server == Server::Same && st.unsupported)
        return add(action(ActionKind::Unsupported, href));
      return new_on_server(href, server_[href]);
    }
    if (server == Server::ChangedUnsupported) {
      add(action(ActionKind::Unsupported, href));
      if (local == Local::Unchanged)
        return add(action(ActionKind::DeleteLocal, href), i, std::nullopt);
      if (local == Local::Changed) return create(local_[i], i, true);
      return;
    }
    switch (local) {
      case Local::Unchanged:
        if (server == Server::Same) return add(action(ActionKind::Keep, href), i, local_[i]);
        return download(href, *r, i);
      case Local::Deleted:
        if (server == Server::Same) return add(action(ActionKind::DeleteRemote, href));
        return download(href, *r, -1);
      case Local::Changed:
        if (server == Server::Same) return upload(href, local_[i], i);
        return conflict(href, *r, i);
      case Local::Absent:
        break;
    }
  }

  void conflict(const QString& href, const SyncRecord& r, int i) {
    const SyncRecord mine = local_[i];
    if (fitted(r) == mine) return add(action(ActionKind::Keep, href), i, mine);
    if (r.kind == RecordKind::Memo && mine.kind == RecordKind::Memo) {
      SyncRecord merged{
          RecordKind::Memo, r.key, {merged_memo(r.fields.value(0), mine.fields.value(0))}};
      return upload(href, merged, i, true);
    }
    download(href, r, i, true);
    SyncRecord copy = mine;
    if (copy.kind == RecordKind::Address || copy.kind == RecordKind::Card) {
      const int name = copy.kind == RecordKind::Card ? 3 : 0;
      copy.fields[name] = conflict_name(copy.fields[name]);
      copy.key = copy.fields[name];
    }
    create(copy, append(copy), true);
  }

  void upload(const QString& href, const SyncRecord& record, int i, bool is_conflict = false) {
    SyncAction a = action(ActionKind::Upload, href, record);
    a.conflict = is_conflict;
    local_[i] = fitted(record);
    add(a, i, local_[i]);
  }

  void download(const QString& href, const SyncRecord& r, int i, bool is_conflict = false) {
    SyncAction a = action(ActionKind::Download, href, r);
    a.conflict = is_conflict;
    if (i < 0)
      i = append(fitted(r));
    else
      local_[i] = fitted(r);
    add(a, i, local_[i]);
  }

  void new_on_server(const QString& href, const ServerItem& s) {
    if (!s.record) return add(action(ActionKind::Unsupported, href));
    // The same record on both sides already (an earlier export, another desktop).
    const SyncRecord mine = fitted(*s.record);
    for (int i = 0; i < int(local_.size()); ++i)
      if (!used_[i] && local_[i] == mine) {
        used_[i] = true;
        return add(action(ActionKind::Keep, href), i, mine);
      }
    download(href, *s.record, -1);
  }

  void create(const SyncRecord& record, int i, bool is_conflict = false) {
    SyncAction a = action(ActionKind::Create, {}, record);
    a.conflict = is_conflict;
    add(a, i, local_[i]);
  }

  int append(const SyncRecord& record) {
    local_.push_back(record);
    used_.push_back(true);
    appended_.insert(int(local_.size()) - 1);
    return int(local_.size()) - 1;
  }

  void add(SyncAction action, int i = -1, std::optional<SyncRecord> after = std::nullopt) {
    if (i >= 0) used_[i] = true;
    if (action.kind == ActionKind::DeleteLocal) deleted_.insert(i);
    action.local_after = after;
    if (i >= 0 && i < original_.size()) action.local_before = original_[i];
    actions_.push_back({action, i});
  }

  Decisions finish(bool allow_deletes) {
    Decisions d;
    // Records the files have no room for stay on the server only.
    QMap<RecordKind, int> held;
    for (int i = 0; i < int(local_.size()); ++i)
      if (!deleted_.contains(i) && !appended_.contains(i)) ++held[local_[i].kind];
    QSet<int> dropped;
    for (const int i : appended_) {
      if (held[local_[i].kind] >= record_limit(local_[i].kind))
        dropped.insert(i);
      else
        ++held[local_[i].kind];
    }
    int remote_deletes = 0, local_deletes = 0;
    for (auto [action, i] : actions_) {
      if (dropped.contains(i)) {
        if (action.kind == ActionKind::Download) action.kind = ActionKind::Unsupported;
        action.local_after.reset();
      }
      remote_deletes += action.kind == ActionKind::DeleteRemote;
      local_deletes += action.kind == ActionKind::DeleteLocal;
      d.actions << action;
    }
    for (int i = 0; i < int(local_.size()); ++i)
      if (!deleted_.contains(i) && !dropped.contains(i)) d.local << local_[i];
    const qsizetype local_count = local_.size() - appended_.size();
    d.too_many_deletes = !allow_deletes && (too_many(remote_deletes, server_.size()) ||
                                            too_many(local_deletes, local_count));
    return d;
  }

  const QMap<QString, ItemState>& state_;
  const QMap<QString, ServerItem>& server_;
  const QList<SyncRecord>& original_;
  QList<SyncRecord> local_;
  QList<bool> used_;
  QList<QByteArray> hashes_;
  QSet<int> appended_, deleted_;
  QList<std::pair<SyncAction, int>> actions_;
};

}  // namespace

QString merged_memo(const QString& server_text, const QString& local_text) {
  return server_text + "\n――\n" + local_text;
}

QString conflict_name(const QString& name) { return name + "（トリベ）"; }

Decisions decide(const QMap<QString, ItemState>& state, const QList<SyncRecord>& local,
                 const QMap<QString, ServerItem>& server, bool allow_deletes) {
  return Decider(state, local, server).run(allow_deletes);
}
