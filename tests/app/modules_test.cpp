// The command line and its modules: each command runs with its own modules alone,
// and without them fails cleanly, naming the first one missing.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/module_loader.h"

namespace {

struct Outcome {
  int status;
  QString said;
};

// Runs toribe with only `modules` in its module folder.
Outcome toribe_with(const QStringList& modules, const QStringList& args) {
  QTemporaryDir data, folder;
  for (const QString& name : modules)
    QFile::link(QString(TORIBE_MODULES) + "/toribe-" + name + ".so",
                folder.filePath("toribe-" + name + ".so"));
  QProcess toribe;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("TORIBE_MODULE_DIR", folder.path());
  toribe.setProcessEnvironment(env);
  toribe.setWorkingDirectory(data.path());
  toribe.start(TORIBE_EXE, QStringList(args) << "--data" << data.path());
  toribe.waitForFinished(60000);
  return {toribe.exitCode(), QString::fromUtf8(toribe.readAllStandardError())};
}

}  // namespace

// A module that links but lacks a symbol would fail only at its first use.
TEST(Modules, EveryModuleBuiltBesideTheProgramLoads) {
  for (const char* name : {"print", "notices", "keyring", "exchange", "almanac", "sync"}) {
    QString error;
    EXPECT_NE(load_module(name, name, error), nullptr) << error.toStdString();
  }
}

TEST(Modules, CommandRunsWithItsOwnModulesAloneAndNamesAMissingOne) {
  const struct {
    QStringList args;
    QStringList modules;  // what the command needs, the one it reports missing first
  } rows[] = {
      {{"print", "calendar", "2026-12", "out.pdf"}, {"print", "almanac"}},
      {{"export", "calendar", "out.ics"}, {"exchange"}},
      {{"export", "gifts", "out.csv"}, {"exchange"}},
      {{"koyomi", "2026-12-08"}, {"almanac"}},
      {{"--version"}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.args.join(' ').toStdString());
    const Outcome alone = toribe_with(row.modules, row.args);
    const Outcome without = toribe_with({}, row.args);
    EXPECT_EQ(alone.status, 0) << alone.said.toStdString();
    if (row.modules.isEmpty()) continue;
    EXPECT_EQ(without.status, 1);
    EXPECT_TRUE(without.said.contains("toribe-" + row.modules[0] + ".so が見つかりません"))
        << without.said.toStdString();
  }
}
