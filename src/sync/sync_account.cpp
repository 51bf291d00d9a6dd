#include "sync/sync_account.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/text_file.h"

namespace {

QString state_path(const QString& data_dir) { return data_dir + '/' + kSyncStateFile; }

const std::array<QString, 3> kCollectionKeys{"calendar", "addresses", "cards"};

QJsonObject item_json(const ItemState& item) {
  QJsonObject o{{"etag", item.etag},
                {"server", QString::fromLatin1(item.server_hash.toHex())},
                {"local", QString::fromLatin1(item.local_hash.toHex())},
                {"key", item.key}};
  if (item.unsupported) o["unsupported"] = true;
  return o;
}

ItemState item_from(const QJsonObject& o) {
  return {o["etag"].toString(), QByteArray::fromHex(o["server"].toString().toLatin1()),
          QByteArray::fromHex(o["local"].toString().toLatin1()), o["unsupported"].toBool(),
          o["key"].toString()};
}

QJsonObject collection_json(const CollectionState& c) {
  QJsonObject items;
  for (auto it = c.items.begin(); it != c.items.end(); ++it) items[it.key()] = item_json(*it);
  return {{"url", c.url}, {"token", c.sync_token}, {"vcard4", c.vcard4}, {"items", items}};
}

CollectionState collection_from(const QJsonObject& o) {
  CollectionState c{o["url"].toString(), o["token"].toString(), o["vcard4"].toBool(), {}};
  const QJsonObject items = o["items"].toObject();
  for (auto it = items.begin(); it != items.end(); ++it)
    c.items.insert(it.key(), item_from(it.value().toObject()));
  return c;
}

}  // namespace

QString collection_display_name(SyncCollection collection) {
  switch (collection) {
    case SyncCollection::Calendar:
      return QStringLiteral("トリベ");
    case SyncCollection::Addresses:
      return QStringLiteral("トリベ住所録");
    case SyncCollection::Cards:
      return QStringLiteral("トリベ名刺");
  }
  return {};
}

std::optional<SyncState> read_sync_state(const QString& data_dir) {
  QFile file(state_path(data_dir));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
  const QJsonObject account = root["account"].toObject();
  if (account["url"].toString().isEmpty()) return std::nullopt;
  SyncState state;
  state.account = {account["url"].toString(), account["user"].toString(),
                   account["trust"].toString()};
  for (std::size_t i = 0; i < kCollectionKeys.size(); ++i)
    state.collections[i] = collection_from(root[kCollectionKeys[i]].toObject());
  return state;
}

bool write_sync_state(const QString& data_dir, const SyncState& state) {
  QJsonObject root{{"account", QJsonObject{{"url", state.account.url},
                                           {"user", state.account.user},
                                           {"trust", state.account.trusted_fingerprint}}}};
  for (std::size_t i = 0; i < kCollectionKeys.size(); ++i)
    root[kCollectionKeys[i]] = collection_json(state.collections[i]);
  return write_bytes(state_path(data_dir), QJsonDocument(root).toJson(QJsonDocument::Indented));
}

bool forget_sync_state(const QString& data_dir) {
  const QString path = state_path(data_dir);
  return !QFile::exists(path) || QFile::remove(path);
}

SyncState fresh_state(const SyncAccount& account) {
  SyncState state;
  state.account = account;
  return state;
}
