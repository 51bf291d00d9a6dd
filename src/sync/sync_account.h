#pragma once
// The server account of a data folder and what the last sync left behind, kept
// in one UTF-8 file beside the data files (kSyncStateFile), replaced whole and
// atomically. The password is never stored: it comes from the keyring or the
// caller each time.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <array>
#include <optional>

inline const QString kSyncStateFile = QStringLiteral("Sync.json");

struct SyncAccount {
  QString url;  // the server root, a principal or a collection
  QString user;
  QString trusted_fingerprint;  // SHA-256 of a certificate the system does not trust, hex
  bool operator==(const SyncAccount&) const = default;
};

// The three collections on the server, each tied to data files.
enum class SyncCollection { Calendar, Addresses, Cards };
inline constexpr std::array kSyncCollections{SyncCollection::Calendar, SyncCollection::Addresses,
                                             SyncCollection::Cards};
// The display name the collection is found by and created with.
QString collection_display_name(SyncCollection collection);

// One server item as last synced.
struct ItemState {
  QString etag;
  QByteArray server_hash;    // what the item means to Toribe; empty: not yet held locally
  QByteArray local_hash;     // the local record as the data files hold it; empty: none
  bool unsupported = false;  // the data files cannot hold it: left alone on the server
  QString key;               // the local record's kind and key, to pair an edited record
  bool operator==(const ItemState&) const = default;
};

struct CollectionState {
  QString url;                     // empty until found or made
  QString sync_token;              // empty: list it whole next time
  bool vcard4 = false;             // the server takes vCard 4.0
  QMap<QString, ItemState> items;  // by the item's path on the server
  bool operator==(const CollectionState&) const = default;
};

struct SyncState {
  SyncAccount account;
  std::array<CollectionState, kSyncCollections.size()> collections;
  CollectionState& of(SyncCollection c) { return collections[std::size_t(c)]; }
  const CollectionState& of(SyncCollection c) const { return collections[std::size_t(c)]; }
  bool operator==(const SyncState&) const = default;
};

// nullopt when the folder has no account (no file, or one that does not read).
std::optional<SyncState> read_sync_state(const QString& data_dir);
// False when the file could not be written; the old one is then untouched.
bool write_sync_state(const QString& data_dir, const SyncState& state);
// Removes the account and the sync state; true when none is left.
bool forget_sync_state(const QString& data_dir);

// The account with the items forgotten: what a new URL or user starts from.
SyncState fresh_state(const SyncAccount& account);
