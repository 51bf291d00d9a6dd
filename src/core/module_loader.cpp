#include "core/module_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QPluginLoader>

namespace {

QString module_file_name(const QString& name) { return "toribe-" + name + ".so"; }

// The first candidate that exists, so that the message can tell a missing module
// from a broken one.
QString find_module(const QString& name) {
  for (const QString& folder : module_folders()) {
    const QString path = folder + '/' + module_file_name(name);
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

}  // namespace

QStringList module_folders() {
  const QString chosen = qEnvironmentVariable("TORIBE_MODULE_DIR");
  if (!chosen.isEmpty()) return {chosen};
  // /proc rather than QCoreApplication: the command line loads modules before
  // there is an application object.
  const QString exe_dir = QFileInfo(QFileInfo("/proc/self/exe").canonicalFilePath()).absolutePath();
  return {exe_dir, QDir::cleanPath(exe_dir + '/' + TORIBE_MODULE_SUBDIR)};
}

const void* load_module(const QString& name, const QString& title, QString& error) {
  static QMutex mutex;
  static QHash<QString, const void*> loaded;
  const QMutexLocker lock(&mutex);
  if (const void* functions = loaded.value(name)) return functions;

  const QString path = find_module(name);
  QString reason = "見つかりません";
  if (!path.isEmpty()) {
    QPluginLoader loader(path);
    // The plugin object and its library stay until the program ends.
    auto* module = qobject_cast<FeatureModule*>(loader.instance());
    if (module && module->name() == name && module->functions()) {
      loaded.insert(name, module->functions());
      return module->functions();
    }
    reason = "読み込めません";
    qWarning("toribe: %s: %s", qPrintable(path), qPrintable(loader.errorString()));
  }
  error = QString("「%1」の機能のモジュール %2 が%3。ほかの機能はそのまま使えます。")
              .arg(title, module_file_name(name), reason);
  return nullptr;
}
