#pragma once
// The command line: `toribe COMMAND …` runs one command without a window.
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/module_loader.h"

// What a command is given: the data folder, its own arguments (after the
// command's words) and its options ("--year" -> "2026"; a flag given -> "").
struct CommandArgs {
  QString data_dir;
  QStringList args;
  QMap<QString, QString> options;
  QString data_file(const QString& name) const { return data_dir + '/' + name; }
};

// Exit statuses.
enum ExitStatus { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// A usage error: the command's message, then its usage line, exit status 2.
struct UsageError {
  QString message;
};
// A failure: the message on standard error, exit status 1.
struct CommandFailure {
  QString message;
};

// The module of the command's feature, loaded now; when it is missing the command
// ends with the message that names it.
template <class Feature>
const Feature& command_feature() {
  QString error;
  if (const Feature* feature = load_feature<Feature>(error)) return *feature;
  throw CommandFailure{error};
}

struct Command {
  QStringList words;    // "export", "calendar"
  QString usage;        // the arguments after the words: "FILE [--from YYYY] [--to YYYY]"
  QString summary;      // one line of --help, Japanese
  QStringList options;  // the options it takes, each with a value: "--from"
  int min_args = 0, max_args = 0;
  int (*run)(const CommandArgs& args) = nullptr;
  QStringList flags = {};  // the options it takes without a value: "--boxes"
};

// toribe sync, from the sync module (Qt Network).
int run_sync_command(const CommandArgs& args);

// Every command of the program, in the order --help lists them.
const QList<Command>& commands();

// Runs the command that argv names and answers its exit status; nullopt when
// argv names no command, so the window starts (in the --data folder when one
// is given, which then is the current folder).
std::optional<int> run_command_line(int argc, char** argv);

// Output for the commands, UTF-8 whatever the locale.
void print_out(const QString& text);  // a line on standard output
void print_err(const QString& text);  // a line on standard error
// A failure the user can fix: one line on standard error; answers 1.
int fail(const QString& message);

// FILE arguments: "-" is standard output or standard input. Both answer a
// Japanese message naming the file on failure.
std::optional<QString> write_output(const QString& path, const QByteArray& bytes);
std::optional<QByteArray> read_input(const QString& path, QString& error);
