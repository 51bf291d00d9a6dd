// The keyring module's entry.
#include "core/module_loader.h"
#include "keyring/desktop_keyring.h"
#include "keyring/keyring_feature.h"

namespace {

const KeyringFeature functions{&desktop_keyring_read, &desktop_keyring_write,
                               &desktop_keyring_delete};

}  // namespace

class KeyringModule : public QObject, public FeatureModule {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID TORIBE_FEATURE_MODULE_IID)
  Q_INTERFACES(FeatureModule)

 public:
  QString name() const override { return KeyringFeature::kModule; }
  const void* functions() const override { return &::functions; }
};

#include "keyring_module.moc"
