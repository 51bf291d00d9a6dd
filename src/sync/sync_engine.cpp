#include "sync/sync_engine.h"

#include <QElapsedTimer>
#include <QUuid>

#include "sync/dav_client.h"
#include "sync/dav_xml.h"
#include "sync/event_mapping.h"
#include "sync/sync_decisions.h"
#include "sync/sync_discovery.h"
#include "sync/sync_local.h"
#include "sync/vcard_mapping.h"

namespace {

constexpr int kMultigetBatch = 200;
constexpr int kRounds = 3;
constexpr int kSaveEveryMs = 1000;

struct Listing {
  QMap<QString, QString> etags;  // href -> etag
  QString token;
};

struct Fetched {
  QString etag;
  QByteArray data;
};

struct Prepared {
  Listing listing;
  QMap<QString, Fetched> fetched;
  Decisions decisions;
};

bool is_calendar(SyncCollection c) { return c == SyncCollection::Calendar; }

RecordKind contact_kind(SyncCollection c) {
  return c == SyncCollection::Cards ? RecordKind::Card : RecordKind::Address;
}

std::optional<SyncRecord> item_record(SyncCollection c, const QByteArray& data) {
  return is_calendar(c) ? event_record(data) : vcard_record(data, contact_kind(c));
}

QByteArray hash_of(const std::optional<SyncRecord>& record) {
  return record ? record_hash(*record) : QByteArray();
}

// One sync of one data folder: the state as it is on disk (`saved`) and as it
// will be once the data files are written (`working`).
class Run {
 public:
  Run(const SyncRequest& request, DavClient& dav, SyncState state)
      : request_(request), dav_(dav), initial_(state), saved_(state), working_(std::move(state)) {}

  std::optional<SyncFailure> sync();
  SyncCounts counts;

 private:
  std::optional<SyncFailure> check(const DavReply& reply) const {
    if (auto failure = reply_failure(reply, !request_.password.isEmpty())) return failure;
    if (reply.ok() || reply.status == 207) return std::nullopt;
    return SyncFailure{SyncFailureKind::ServerError,
                       QString::number(reply.status) + ' ' + reply.url.toString()};
  }
  QUrl url_of(SyncCollection c, const QString& href) const {
    return QUrl(working_.of(c).url).resolved(QUrl::fromEncoded(href.toUtf8()));
  }
  std::variant<Listing, SyncFailure> list(SyncCollection c);
  std::optional<SyncFailure> fetch(SyncCollection c, const QStringList& hrefs,
                                   QMap<QString, Fetched>& into);
  std::variant<Prepared, SyncFailure> prepare(SyncCollection c);
  std::optional<SyncFailure> apply(SyncCollection c, Prepared& p, bool& again);
  std::optional<SyncFailure> execute(SyncCollection c, const SyncAction& action, const Prepared& p,
                                     bool& again);
  bool save() {
    since_save_.start();
    return write_sync_state(request_.data_dir, saved_);
  }
  // After a step on the server. A step whose record is lost by a kill before the
  // save is matched again by its content next time; a conflict's upload is not
  // (its text would be merged twice), so it is saved at once.
  std::optional<SyncFailure> saved_after(bool now) {
    if (!now && since_save_.isValid() && since_save_.elapsed() < kSaveEveryMs) return std::nullopt;
    if (save()) return std::nullopt;
    return SyncFailure{SyncFailureKind::FileNotWritten, kSyncStateFile};
  }

  const SyncRequest& request_;
  DavClient& dav_;
  SyncState initial_, saved_, working_;
  LocalFiles files_;
  QSet<SyncFile> changed_;
  QElapsedTimer since_save_;
};

// Someone else changed the item: its ETag is forgotten, so the next round
// fetches it and decides again.
std::optional<SyncFailure> stale(CollectionState& work, const QString& href, bool& again) {
  if (work.items.contains(href)) work.items[href].etag.clear();
  again = true;
  return std::nullopt;
}

std::variant<Listing, SyncFailure> Run::list(SyncCollection c) {
  const CollectionState& cs = working_.of(c);
  const QUrl url(cs.url);
  Listing listing;
  for (auto it = cs.items.begin(); it != cs.items.end(); ++it) listing.etags[it.key()] = it->etag;
  for (const QString& token : {cs.sync_token, QString()}) {
    const DavReply reply = dav_.send("REPORT", url, sync_collection_body(token), {{"Depth", "0"}});
    if (auto failure = reply_failure(reply, !request_.password.isEmpty())) return *failure;
    const auto ms = reply.status == 207 ? read_multistatus(reply.body) : std::nullopt;
    if (!ms) {
      if (token.isEmpty()) break;  // no sync-collection here: a listing of the ETags
      continue;                    // the token is no longer valid: list it whole
    }
    if (token.isEmpty()) listing.etags.clear();
    for (const DavEntry& e : ms->entries) {
      if (e.status == 404)
        listing.etags.remove(e.href);
      else if (!e.collection)
        listing.etags[e.href] = e.etag;
    }
    listing.token = ms->sync_token;
    return listing;
  }
  const DavReply reply = dav_.send("PROPFIND", url, propfind_etags_body(), {{"Depth", "1"}});
  if (auto failure = check(reply)) return *failure;
  const auto ms = read_multistatus(reply.body);
  if (!ms) return SyncFailure{SyncFailureKind::ServerError, reply.url.toString()};
  listing.etags.clear();
  for (const DavEntry& e : ms->entries)
    if (!e.collection && e.status < 300) listing.etags[e.href] = e.etag;
  return listing;
}

std::optional<SyncFailure> Run::fetch(SyncCollection c, const QStringList& hrefs,
                                      QMap<QString, Fetched>& into) {
  for (qsizetype from = 0; from < hrefs.size(); from += kMultigetBatch) {
    const DavReply reply =
        dav_.send("REPORT", QUrl(working_.of(c).url),
                  multiget_body(is_calendar(c), hrefs.mid(from, kMultigetBatch)), {{"Depth", "1"}});
    if (auto failure = check(reply)) return failure;
    const auto ms = read_multistatus(reply.body);
    if (!ms) return SyncFailure{SyncFailureKind::ServerError, reply.url.toString()};
    for (const DavEntry& e : ms->entries)
      if (e.status < 300) into[e.href] = {e.etag, e.data};
  }
  return std::nullopt;
}

std::optional<SyncFailure> Run::sync() {
  files_ = read_local_files(request_.data_dir);
  // Every collection is decided before anything changes, so that the guard
  // against mass deletions stops the sync with nothing changed.
  QList<std::pair<SyncCollection, Prepared>> prepared;
  for (const SyncCollection c : kSyncCollections) {
    bool skip = false;
    for (const SyncFile f : collection_files(c)) skip |= request_.leave_alone.contains(f);
    if (skip) continue;
    auto p = prepare(c);
    if (auto* failure = std::get_if<SyncFailure>(&p)) return *failure;
    if (std::get<Prepared>(p).decisions.too_many_deletes)
      return SyncFailure{SyncFailureKind::TooManyDeletes, collection_display_name(c)};
    prepared.append({c, std::get<Prepared>(std::move(p))});
  }
  for (auto& [c, first] : prepared) {
    bool again = false;
    if (auto failure = apply(c, first, again)) return failure;
    // Someone changed an item between the listing and the write: list, fetch
    // and decide again.
    for (int round_no = 1; again && round_no < kRounds; ++round_no) {
      again = false;
      auto p = prepare(c);
      if (auto* failure = std::get_if<SyncFailure>(&p)) return *failure;
      if (auto failure = apply(c, std::get<Prepared>(p), again)) return failure;
    }
  }
  if (!changed_.isEmpty())
    if (auto failed = write_local_files(request_.data_dir, files_, changed_))
      return SyncFailure{SyncFailureKind::FileNotWritten, *failed};
  // A sync that changed nothing leaves the state file as it was.
  if (working_ != initial_) {
    saved_ = working_;
    if (!save()) return SyncFailure{SyncFailureKind::FileNotWritten, kSyncStateFile};
  }
  for (const CollectionState& cs : working_.collections)
    for (const ItemState& item : cs.items) counts.unsupported += item.unsupported;
  return std::nullopt;
}

std::variant<Prepared, SyncFailure> Run::prepare(SyncCollection c) {
  auto listed = list(c);
  if (auto* failure = std::get_if<SyncFailure>(&listed)) return *failure;
  Prepared p;
  p.listing = std::get<Listing>(std::move(listed));
  const CollectionState& cs = working_.of(c);
  QStringList wanted;
  for (auto it = p.listing.etags.begin(); it != p.listing.etags.end(); ++it) {
    const ItemState st = cs.items.value(it.key());
    const bool known = cs.items.contains(it.key());
    if (!known || it->isEmpty() || st.etag != *it || st.server_hash.isEmpty() ||
        (st.local_hash.isEmpty() && !st.unsupported))
      wanted << it.key();
  }
  if (auto failure = fetch(c, wanted, p.fetched)) return *failure;
  QMap<QString, ServerItem> server;
  for (auto it = p.listing.etags.begin(); it != p.listing.etags.end(); ++it) {
    ServerItem item{*it, p.fetched.contains(it.key()), std::nullopt};
    if (item.fetched) {
      const Fetched& f = p.fetched[it.key()];
      if (!f.etag.isEmpty()) item.etag = f.etag;
      item.record = item_record(c, f.data);
    }
    server[it.key()] = item;
  }
  p.decisions = decide(cs.items, local_records(files_, c), server, request_.allow_deletes);
  return p;
}

std::optional<SyncFailure> Run::apply(SyncCollection c, Prepared& p, bool& again) {
  // The copies an upload patches.
  QStringList copies;
  for (const SyncAction& a : p.decisions.actions)
    if (a.kind == ActionKind::Upload && !p.fetched.contains(a.href)) copies << a.href;
  if (auto failure = fetch(c, copies, p.fetched)) return failure;
  bool local_changed = false;
  for (const SyncAction& a : p.decisions.actions) {
    if (auto failure = execute(c, a, p, again)) return failure;
    local_changed |= a.local_after != a.local_before || a.kind == ActionKind::DeleteLocal;
  }
  if (local_changed) {
    put_records(files_, c, p.decisions.local);
    for (const SyncFile f : collection_files(c)) changed_.insert(f);
  }
  // A new token only once every change it covers is done.
  if (!again) working_.of(c).sync_token = p.listing.token;
  return std::nullopt;
}

std::optional<SyncFailure> Run::execute(SyncCollection c, const SyncAction& a, const Prepared& p,
                                        bool& again) {
  const QMap<QString, Fetched>& fetched = p.fetched;
  // Writes are conditional on the ETag the decision was made on: a copy
  // fetched later may already hold someone else's change.
  const QByteArray decided_etag =
      (p.listing.etags.value(a.href).isEmpty() ? fetched.value(a.href).etag
                                               : p.listing.etags.value(a.href))
          .toUtf8();
  CollectionState& work = working_.of(c);
  CollectionState& disk = saved_.of(c);
  const auto local_hash = [](const std::optional<SyncRecord>& r) { return hash_of(r); };
  const auto local_key = [](const std::optional<SyncRecord>& r) {
    return r ? record_key(*r) : QString();
  };
  counts.conflicts += a.conflict && a.kind != ActionKind::Create;
  switch (a.kind) {
    case ActionKind::Keep:
    case ActionKind::Unsupported: {
      const Fetched f = fetched.value(a.href);
      ItemState item = work.items.value(a.href);
      if (!f.etag.isEmpty()) item.etag = f.etag;
      if (fetched.contains(a.href)) item.server_hash = hash_of(item_record(c, f.data));
      item.unsupported = a.kind == ActionKind::Unsupported;
      if (a.local_after || item.unsupported) {
        item.local_hash = local_hash(a.local_after);
        item.key = local_key(a.local_after);
      }
      work.items[a.href] = item;
      if (item.server_hash.isEmpty() && !item.unsupported) return std::nullopt;
      // Pairs already held by the files on both sides are safe to keep now.
      const bool keep_now = a.local_after == a.local_before || item.unsupported;
      if (!keep_now || disk.items.value(a.href) == item) return std::nullopt;
      disk.items[a.href] = item;
      return saved_after(false);
    }
    case ActionKind::Download:
    case ActionKind::DeleteLocal: {
      ++counts.received;
      if (a.kind == ActionKind::DeleteLocal) {
        work.items.remove(a.href);
        return std::nullopt;
      }
      SyncRecord kept = a.record;
      counts.dropped += fit_record(kept);
      work.items[a.href] = {fetched.value(a.href).etag, record_hash(a.record),
                            local_hash(a.local_after), false, local_key(a.local_after)};
      return std::nullopt;
    }
    case ActionKind::Forget:
      work.items.remove(a.href);
      disk.items.remove(a.href);
      return saved_after(false);
    case ActionKind::DeleteRemote: {
      const DavReply reply =
          dav_.send("DELETE", url_of(c, a.href), {}, {{"If-Match", decided_etag}});
      if (reply.status == 412) return stale(work, a.href, again);
      if (reply.status != 404)
        if (auto failure = check(reply)) return failure;
      ++counts.sent;
      work.items.remove(a.href);
      disk.items.remove(a.href);
      return saved_after(false);
    }
    case ActionKind::Upload:
    case ActionKind::Create: {
      const bool create = a.kind == ActionKind::Create;
      const QByteArray copy = create ? QByteArray() : fetched.value(a.href).data;
      const std::optional<SyncRecord> old = create ? std::nullopt : item_record(c, copy);
      const QByteArray uid = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
      const QByteArray bytes = is_calendar(c) ? event_bytes(a.record, copy, old, uid)
                                              : vcard_bytes(a.record, copy, old, uid, work.vcard4);
      const QString href = create ? canonical_href(work.url + QString::fromLatin1(uid) +
                                                   (is_calendar(c) ? ".ics" : ".vcf"))
                                  : a.href;
      const DavHeaders headers{create ? std::pair<QByteArray, QByteArray>{"If-None-Match", "*"}
                                      : std::pair<QByteArray, QByteArray>{"If-Match", decided_etag},
                               {"Content-Type", is_calendar(c) ? "text/calendar; charset=utf-8"
                                                               : "text/vcard; charset=utf-8"}};
      const DavReply reply = dav_.send("PUT", url_of(c, href), bytes, headers);
      if (reply.status == 412) return stale(work, create ? QString() : a.href, again);
      if (auto failure = check(reply)) return failure;
      ++counts.sent;
      counts.received += a.local_after != a.local_before && a.local_before;
      const ItemState item{QString::fromUtf8(reply.etag), hash_of(item_record(c, bytes)),
                           local_hash(a.local_after), false, local_key(a.local_after)};
      work.items[href] = item;
      // On disk until the files are written: the local record they hold now,
      // and a server side that reads as changed when the local record must
      // still follow it.
      ItemState on_disk = item;
      on_disk.local_hash = local_hash(a.local_before);
      on_disk.key = local_key(a.local_before);
      if (a.local_after != a.local_before) on_disk.server_hash.clear();
      disk.items[href] = on_disk;
      if (reply.etag.isEmpty()) work.items[href].server_hash.clear();
      return saved_after(a.conflict);
    }
  }
  return std::nullopt;
}

SyncResult failed(SyncFailure failure, int requests) {
  SyncResult result;
  result.failure = std::move(failure);
  result.requests = requests;
  return result;
}

}  // namespace

SyncResult SyncEngine::run(const SyncRequest& request) {
  // Refused before any connection: a password must not cross a network in the clear.
  if (auto failure = url_failure(request.account.url)) return failed(*failure, 0);
  const QUrl start(request.account.url);
  DavClient dav(request.account.user, request.password, request.account.trusted_fingerprint,
                &cancelled_);
  const bool password_given = !request.password.isEmpty();
  SyncState state = read_sync_state(request.data_dir).value_or(fresh_state(request.account));
  if (state.account.url != request.account.url || state.account.user != request.account.user)
    state = fresh_state(request.account);
  state.account = request.account;
  SyncResult result;
  bool known = true;
  for (const CollectionState& cs : state.collections) known &= !cs.url.isEmpty();
  FoundCollections found;
  if (request.discovery_only || !known) {
    auto discovered = discover(dav, start, password_given);
    if (auto* failure = std::get_if<SyncFailure>(&discovered))
      return failed(*failure, dav.requests());
    found = std::get<FoundCollections>(discovered);
    result.discovery = {!found.urls[0].isEmpty(), !found.urls[1].isEmpty(),
                        !found.urls[2].isEmpty()};
    if (request.discovery_only) {
      result.requests = dav.requests();
      return result;
    }
    if (auto failure = make_missing(dav, found, password_given))
      return failed(*failure, dav.requests());
    for (const SyncCollection c : kSyncCollections) {
      CollectionState& cs = state.of(c);
      const QString url = found.urls[std::size_t(c)].toString();
      if (cs.url != url) cs = {url, {}, found.vcard4[std::size_t(c)], {}};
    }
    if (!write_sync_state(request.data_dir, state))
      return failed({SyncFailureKind::FileNotWritten, kSyncStateFile}, dav.requests());
  }
  result.discovery = {true, true, true};
  Run run(request, dav, state);
  if (auto failure = run.sync()) return failed(*failure, dav.requests());
  result.counts = run.counts;
  result.requests = dav.requests();
  return result;
}
