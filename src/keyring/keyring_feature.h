#pragma once
// The keyring module: passwords in the desktop's keyring through QtKeychain (see
// desktop_keyring.h).
#include <QString>

#include "core/platform.h"

struct KeyringFeature {
  static constexpr char kModule[] = "keyring";
  static constexpr char kTitle[] = "パスワードの保管（キーリング）";
  void (*read)(const QString& key, KeyringDone done);
  void (*write)(const QString& key, const QString& text, KeyringDone done);
  void (*remove)(const QString& key, KeyringDone done);
};
