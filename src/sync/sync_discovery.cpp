#include "sync/sync_discovery.h"

#include <QUuid>

#include "sync/dav_xml.h"

namespace {

struct Answer {
  std::optional<Multistatus> multistatus;
  std::optional<SyncFailure> failure;
  int status = 0;
};

Answer propfind(DavClient& dav, const QUrl& url, const char* depth, bool password_given) {
  const DavReply reply = dav.send("PROPFIND", url, propfind_discovery_body(), {{"Depth", depth}});
  Answer answer;
  answer.status = reply.status;
  answer.failure = reply_failure(reply, password_given);
  if (reply.status == 207) answer.multistatus = read_multistatus(reply.body);
  return answer;
}

QUrl href_url(const QUrl& base, const QString& href) {
  return base.resolved(QUrl::fromEncoded(href.toUtf8()));
}

QUrl with_slash(QUrl url) {
  if (!url.path().endsWith('/')) url.setPath(url.path() + '/');
  return url;
}

QUrl parent_of(const QUrl& url) {
  QString path = url.path();
  if (path.endsWith('/')) path.chop(1);
  QUrl parent = url;
  parent.setPath(path.left(path.lastIndexOf('/') + 1));
  return parent;
}

struct Homes {
  QUrl principal, calendar_home, addressbook_home;
};

// Reads one depth-0 answer of a root, a principal or a collection.
void take_homes(const Multistatus& ms, const QUrl& base, Homes& homes) {
  for (const DavEntry& e : ms.entries) {
    if (!e.principal.isEmpty() && homes.principal.isEmpty())
      homes.principal = href_url(base, e.principal.first());
    if (!e.calendar_home.isEmpty()) homes.calendar_home = href_url(base, e.calendar_home.first());
    if (!e.addressbook_home.isEmpty())
      homes.addressbook_home = href_url(base, e.addressbook_home.first());
    // A collection URL was given: its parent is its home.
    if (e.calendar && homes.calendar_home.isEmpty()) homes.calendar_home = parent_of(base);
    if (e.addressbook && homes.addressbook_home.isEmpty()) homes.addressbook_home = parent_of(base);
  }
}

}  // namespace

std::optional<SyncFailure> reply_failure(const DavReply& reply, bool password_given) {
  if (!reply.untrusted_fingerprint.isEmpty())
    return SyncFailure{SyncFailureKind::UntrustedCertificate, reply.untrusted_fingerprint};
  if (reply.status == 0)
    return SyncFailure{SyncFailureKind::Unreachable, reply.url.toString(QUrl::RemoveUserInfo)};
  if (reply.status == 401)
    return SyncFailure{
        password_given ? SyncFailureKind::BadCredentials : SyncFailureKind::NoPassword, {}};
  return std::nullopt;
}

std::variant<FoundCollections, SyncFailure> discover(DavClient& dav, const QUrl& start,
                                                     bool password_given) {
  Homes homes;
  Answer first = propfind(dav, start, "0", password_given);
  if (first.failure) return *first.failure;
  if (first.multistatus) take_homes(*first.multistatus, start, homes);
  if (homes.principal.isEmpty() && homes.calendar_home.isEmpty()) {
    for (const char* path : {"/.well-known/caldav", "/.well-known/carddav"}) {
      const QUrl known = start.resolved(QUrl(path));
      Answer answer = propfind(dav, known, "0", password_given);
      if (answer.failure) return *answer.failure;
      if (answer.multistatus) take_homes(*answer.multistatus, known, homes);
      if (!homes.principal.isEmpty()) break;
    }
  }
  if (homes.principal.isEmpty()) homes.principal = start;
  if (homes.calendar_home.isEmpty() || homes.addressbook_home.isEmpty()) {
    Answer answer = propfind(dav, homes.principal, "0", password_given);
    if (answer.failure) return *answer.failure;
    if (answer.multistatus) take_homes(*answer.multistatus, homes.principal, homes);
  }
  FoundCollections found;
  found.calendar_home =
      with_slash(homes.calendar_home.isEmpty() ? homes.principal : homes.calendar_home);
  found.addressbook_home =
      with_slash(homes.addressbook_home.isEmpty() ? homes.principal : homes.addressbook_home);
  QList<QUrl> home_list{found.calendar_home};
  if (found.addressbook_home != found.calendar_home) home_list << found.addressbook_home;
  for (const QUrl& home : home_list) {
    Answer answer = propfind(dav, home, "1", password_given);
    if (answer.failure) return *answer.failure;
    if (!answer.multistatus) continue;
    for (const DavEntry& e : answer.multistatus->entries) {
      for (const SyncCollection c : kSyncCollections) {
        const std::size_t i = std::size_t(c);
        const bool kind = c == SyncCollection::Calendar ? e.calendar : e.addressbook;
        if (kind && found.urls[i].isEmpty() && e.display_name == collection_display_name(c)) {
          found.urls[i] = with_slash(href_url(home, e.href));
          found.vcard4[i] = e.vcard4;
        }
      }
    }
  }
  return found;
}

std::optional<SyncFailure> make_missing(DavClient& dav, FoundCollections& found,
                                        bool password_given) {
  for (const SyncCollection c : kSyncCollections) {
    const std::size_t i = std::size_t(c);
    if (!found.urls[i].isEmpty()) continue;
    const bool calendar = c == SyncCollection::Calendar;
    const QUrl home = calendar ? found.calendar_home : found.addressbook_home;
    const QUrl url = home.resolved(QUrl(QUuid::createUuid().toString(QUuid::WithoutBraces) + '/'));
    const DavReply reply = dav.send(calendar ? "MKCALENDAR" : "MKCOL", url,
                                    make_collection_body(calendar, collection_display_name(c)));
    if (const auto failure = reply_failure(reply, password_given)) return failure;
    if (!reply.ok())
      return SyncFailure{SyncFailureKind::CollectionRefused, collection_display_name(c)};
    found.urls[i] = url;
  }
  return std::nullopt;
}
