#pragma once
// The WebDAV XML of a sync (RFC 4918, 4791, 6352, 6578): the request bodies,
// and the multistatus answer read into plain entries. Any bytes may come in:
// what is not a multistatus gives nullopt, never a crash.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct DavEntry {
  QString href;      // its canonical path
  int status = 200;  // of the response, or of its first propstat with a value
  QString etag;
  QString display_name;
  bool collection = false, calendar = false, addressbook = false;
  bool vcard4 = false;  // supported-address-data names version 4.0
  QStringList principal, calendar_home, addressbook_home;  // hrefs
  QByteArray data;                                         // calendar-data or address-data
};

struct Multistatus {
  QList<DavEntry> entries;
  QString sync_token;
};

std::optional<Multistatus> read_multistatus(const QByteArray& xml);

// The path of an href, percent-encoded one way whatever way the server wrote it:
// the key of an item in the state.
QString canonical_href(const QString& href);

// PROPFIND asking what discovery needs of a root, a principal or a home.
QByteArray propfind_discovery_body();
// PROPFIND of the ETags of a collection's members.
QByteArray propfind_etags_body();
// REPORT sync-collection from the token (empty: everything).
QByteArray sync_collection_body(const QString& token);
// REPORT calendar-multiget or addressbook-multiget of these hrefs.
QByteArray multiget_body(bool calendar, const QStringList& hrefs);
// MKCALENDAR, or the extended MKCOL of an address book, with the display name.
QByteArray make_collection_body(bool calendar, const QString& display_name);
