// The notices module's entry: one DesktopNotices for the program's life.
#include <QCoreApplication>

#include "core/module_loader.h"
#include "notices/desktop_notices.h"
#include "notices/notices_feature.h"

namespace {

void send(const QString& title, const QStringList& lines, std::function<void()> on_chosen) {
  // The first caller's on_chosen serves for all: the program passes one. It goes
  // with the application, before the module's library could be unloaded.
  static DesktopNotices* notices = nullptr;
  if (!notices) {
    notices = new DesktopNotices(std::move(on_chosen));
    notices->setParent(QCoreApplication::instance());
  }
  notices->send(title, lines);
}

const NoticesFeature functions{&send};

}  // namespace

class NoticesModule : public QObject, public FeatureModule {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID TORIBE_FEATURE_MODULE_IID)
  Q_INTERFACES(FeatureModule)

 public:
  QString name() const override { return NoticesFeature::kModule; }
  const void* functions() const override { return &::functions; }
};

#include "notices_module.moc"
