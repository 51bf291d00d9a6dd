// The sync module's entry.
#include "core/module_loader.h"
#include "sync/sync_command.h"
#include "sync/sync_feature.h"

namespace {

const SyncFeature functions{&sync_command};

}  // namespace

class SyncModule : public QObject, public FeatureModule {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID TORIBE_FEATURE_MODULE_IID)
  Q_INTERFACES(FeatureModule)

 public:
  QString name() const override { return SyncFeature::kModule; }
  const void* functions() const override { return &::functions; }
};

#include "sync_module.moc"
