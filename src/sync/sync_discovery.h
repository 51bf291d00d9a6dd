#pragma once
// Finding the three collections from a server root, a principal or a
// collection URL (RFC 6764 well-known paths, current-user-principal, the
// calendar and address book home sets), and making those that are missing.
#include <QString>
#include <QUrl>
#include <array>
#include <optional>

#include "sync/dav_client.h"
#include "sync/sync_account.h"
#include "sync/sync_outcome.h"

struct FoundCollections {
  std::array<QUrl, kSyncCollections.size()> urls;  // empty where the server has none
  std::array<bool, kSyncCollections.size()> vcard4{};
  QUrl calendar_home, addressbook_home;
};

// A failure of a reply that is no success: the server unreachable, the
// certificate, the password; nullopt for any other status.
std::optional<SyncFailure> reply_failure(const DavReply& reply, bool password_given);

std::variant<FoundCollections, SyncFailure> discover(DavClient& dav, const QUrl& start,
                                                     bool password_given);

// Makes each missing collection in its home; fills in its URL.
std::optional<SyncFailure> make_missing(DavClient& dav, FoundCollections& found,
                                        bool password_given);
