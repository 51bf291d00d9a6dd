#include "keyring/desktop_keyring.h"

#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("toribe");

// A keyring that cannot be reached, or refuses, counts as none: the password is then
// asked for and kept in memory.
KeyringStatus status_of(QKeychain::Error error, KeyringStatus success) {
  switch (error) {
    case QKeychain::NoError:
      return success;
    case QKeychain::EntryNotFound:
      return KeyringStatus::Missing;
    default:
      return KeyringStatus::NoKeyring;
  }
}

template <class Job>
Job* start(const QString& key, KeyringStatus success, KeyringDone done) {
  auto* job = new Job(kService);
  job->setAutoDelete(true);
  job->setKey(key);
  QObject::connect(job, &QKeychain::Job::finished,
                   [success, done = std::move(done)](QKeychain::Job* finished) {
                     KeyringAnswer answer{status_of(finished->error(), success), {}};
                     if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(finished))
                       if (answer.status == KeyringStatus::Found) answer.text = read->textData();
                     done(answer);
                   });
  return job;
}

}  // namespace

void desktop_keyring_read(const QString& key, KeyringDone done) {
  start<QKeychain::ReadPasswordJob>(key, KeyringStatus::Found, std::move(done))->start();
}

void desktop_keyring_write(const QString& key, const QString& text, KeyringDone done) {
  auto* job = start<QKeychain::WritePasswordJob>(key, KeyringStatus::Found, std::move(done));
  job->setTextData(text);
  job->start();
}

void desktop_keyring_delete(const QString& key, KeyringDone done) {
  start<QKeychain::DeletePasswordJob>(key, KeyringStatus::Missing, std::move(done))->start();
}
