// The almanac module's entry: one Almanac, so that every window and page shares
// the years already computed.
#include "almanac/almanac_feature.h"
#include "core/module_loader.h"

namespace {

std::vector<KoyomiDay> days(const QDate& from, const QDate& to) {
  static Almanac almanac;
  return almanac.days(from, to);
}

const AlmanacFeature functions{&days};

}  // namespace

class AlmanacModule : public QObject, public FeatureModule {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID TORIBE_FEATURE_MODULE_IID)
  Q_INTERFACES(FeatureModule)

 public:
  QString name() const override { return AlmanacFeature::kModule; }
  const void* functions() const override { return &::functions; }
};

#include "almanac_module.moc"
