#pragma once
// The keyring folder: passwords in the desktop's keyring (the Secret Service or KWallet,
// through QtKeychain), never in a file. Kept out of the logic library: it talks D-Bus.
#include <QString>

#include "core/platform.h"

// Each answers through done once the keyring has answered, on the calling thread's
// event loop. Entries live under the service "toribe", keyed by USER@HOST.
void desktop_keyring_read(const QString& key, KeyringDone done);
void desktop_keyring_write(const QString& key, const QString& text, KeyringDone done);
void desktop_keyring_delete(const QString& key, KeyringDone done);
