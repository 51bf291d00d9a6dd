// The command line without its modules: a command that needs one names it and
// fails cleanly, one that needs none loads none.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "core/module_loader.h"

// A module that links but lacks a symbol would fail only at its first use.
TEST(Modules, EveryModuleBuiltBesideTheProgramLoads) {
  for (const char* name : {"print", "notices"}) {
    QString error;
    EXPECT_NE(load_module(name, name, error), nullptr) << error.toStdString();
  }
}

TEST(Modules, CommandLoadsOnlyItsOwnModuleAndNamesAMissingOne) {
  const struct {
    QStringList args;
    QString missing;  // the module file named in the message; empty: the command works
  } rows[] = {
      {{"print", "calendar", "2026-12", "out.pdf"}, "toribe-print.so"},
      {{"export", "ledger", "out.csv"}, ""},
  };
  for (const auto& row : rows) {
    QTemporaryDir data, no_modules;
    QProcess toribe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TORIBE_MODULE_DIR", no_modules.path());
    toribe.setProcessEnvironment(env);
    toribe.setWorkingDirectory(data.path());
    toribe.start(TORIBE_EXE, QStringList(row.args) << "--data" << data.path());
    ASSERT_TRUE(toribe.waitForFinished(60000));
    const QString said = QString::fromUtf8(toribe.readAllStandardError());
    const bool written = QFile::exists(data.filePath(row.args.last()));
    SCOPED_TRACE(row.args.join(' ').toStdString() + ": " + said.toStdString());
    if (row.missing.isEmpty()) {
      EXPECT_EQ(toribe.exitCode(), 0);
      EXPECT_TRUE(written);
    } else {
      EXPECT_EQ(toribe.exitCode(), 1);
      EXPECT_TRUE(said.contains(row.missing) && said.contains("見つかりません"));
      EXPECT_FALSE(written);
    }
  }
}
