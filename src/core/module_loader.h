#pragma once
// Features whose libraries the first frame never needs (printing, notifications,
// iCalendar, the ephemeris, sync, …) live in modules of their own: the folder
// src/NAME builds the shared library toribe-NAME, installed beside the program
// and loaded the first time the feature is used (docs/modules.md).
//
// A module exports one table of plain function pointers, its feature's
// interface, declared in the folder's NAME_feature.h:
//
//   struct PrintFeature {
//     static constexpr char kModule[] = "print";
//     static constexpr char kTitle[] = "印刷";
//     QByteArray (*pdf)(const PaperDocument& document);
//   };
//   QString error;
//   if (const PrintFeature* print = load_feature<PrintFeature>(error)) print->pdf(document);
//   else platform.message(error);
#include <QObject>
#include <QString>
#include <QStringList>

// What a module's plugin object implements.
class FeatureModule {
 public:
  virtual ~FeatureModule() = default;
  // The module's name ("print"), checked against the name it was loaded by.
  virtual QString name() const = 0;
  // The feature's table of functions; it lives as long as the program.
  virtual const void* functions() const = 0;
};

#define TORIBE_FEATURE_MODULE_IID "org.toribe.FeatureModule/1"
Q_DECLARE_INTERFACE(FeatureModule, TORIBE_FEATURE_MODULE_IID)

// The folders searched for toribe-NAME.so, in order: TORIBE_MODULE_DIR alone
// when it is set, else the program's own folder (the build tree) and the
// installed module folder relative to it.
QStringList module_folders();

// The module's table, loaded on the first call and kept until the program ends;
// nullptr when it cannot be found or loaded, with `error` set to a Japanese
// message that names it (title: what the user knows the feature as).
const void* load_module(const QString& name, const QString& title, QString& error);

template <class Feature>
const Feature* load_feature(QString& error) {
  return static_cast<const Feature*>(
      load_module(QString::fromUtf8(Feature::kModule), QString::fromUtf8(Feature::kTitle), error));
}
