#include "app/command_line.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "sync/sync_feature.h"

namespace {

void print_to(FILE* stream, const QString& text) {
  const QByteArray bytes = (text + '\n').toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString usage_line(const Command& command) {
  QString line = "使い方: toribe " + command.words.join(' ');
  if (!command.usage.isEmpty()) line += ' ' + command.usage;
  return line + " [--data DIR]";
}

int print_help() {
  print_out("使い方: toribe [COMMAND …] [--data DIR]");
  print_out("コマンドなしで起動するとカレンダーの画面を開きます。");
  for (const Command& command : commands()) {
    QString line = "  toribe " + command.words.join(' ');
    if (!command.usage.isEmpty()) line += ' ' + command.usage;
    print_out(line + "\t" + command.summary);
  }
  print_out("  toribe --help\tこの一覧を表示します");
  print_out("  toribe --version\t版を表示します");
  print_out("--data DIR でデータのフォルダーを指定します（FILE に - を指定すると標準入出力）。");
  return kExitOk;
}

// The folder the data live in: --data, else the current folder when it holds
// the settings file, else the per-user folder the desktop entry uses.
QString default_data_dir() {
  if (QFileInfo::exists("Toribe.ini")) return QDir::currentPath();
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/toribe";
}

const Command* find_command(const QStringList& words) {
  const Command* best = nullptr;
  for (const Command& command : commands()) {
    if (command.words.size() > words.size()) continue;
    if (words.mid(0, command.words.size()) != command.words) continue;
    if (!best || command.words.size() > best->words.size()) best = &command;
  }
  return best;
}

bool is_command_word(const QString& word) {
  for (const Command& command : commands())
    if (command.words.first() == word) return true;
  return false;
}

int usage_error(const QString& message, const Command* command) {
  print_err(message);
  print_err(command ? usage_line(*command) : QString("使い方: toribe --help"));
  return kExitUsage;
}

}  // namespace

void print_out(const QString& text) { print_to(stdout, text); }
void print_err(const QString& text) { print_to(stderr, text); }

int run_sync_command(const CommandArgs& args) {
  return command_feature<SyncFeature>().command(args);
}

int fail(const QString& message) {
  print_err(message);
  return kExitFailure;
}

std::optional<QString> write_output(const QString& path, const QByteArray& bytes) {
  if (path == "-") {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    return std::nullopt;
  }
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
    return std::nullopt;
  return QString("ファイル「%1」に書き込めませんでした。").arg(path);
}

std::optional<QByteArray> read_input(const QString& path, QString& error) {
  QFile file;
  const bool opened = path == "-" ? file.open(stdin, QIODevice::ReadOnly)
                                  : (file.setFileName(path), file.open(QIODevice::ReadOnly));
  if (!opened || QFileInfo(path).isDir()) {
    error = QString("ファイル「%1」を読み込めませんでした。").arg(path);
    return std::nullopt;
  }
  return file.readAll();
}

std::optional<int> run_command_line(int argc, char** argv) {
  QStringList words;
  QString data_dir;
  bool data_given = false;
  for (int i = 1; i < argc; ++i) {
    const QString word = QString::fromLocal8Bit(argv[i]);
    if (word == "--data") {
      if (i + 1 >= argc) return usage_error("--data にはフォルダーを指定してください。", nullptr);
      data_dir = QString::fromLocal8Bit(argv[++i]);
      data_given = true;
    } else {
      words << word;
    }
  }
  if (data_given && !QFileInfo(data_dir).isDir())
    return fail(QString("フォルダー「%1」が見つかりません。").arg(data_dir));
  if (words.isEmpty() || (words.first().startsWith('-') && words.first() != "--help" &&
                          words.first() != "--version")) {
    // No command: the window, with Qt's own arguments, in the --data folder.
    if (data_given) QDir::setCurrent(data_dir);
    return std::nullopt;
  }
  if (words.first() == "--help") return print_help();
  if (words.first() == "--version") {
    // The full version, the one the package carries; the About window shows its first two numbers.
    print_out(QString("トリベ %1").arg(TORIBE_VERSION));
    return kExitOk;
  }
  const Command* command = find_command(words);
  if (!command) {
    const QString message =
        is_command_word(words.first())
            ? QString("「%1」の後に続く語が正しくありません。").arg(words.join(' '))
            : QString("「%1」というコマンドはありません。").arg(words.first());
    return usage_error(message, nullptr);
  }
  CommandArgs args;
  args.data_dir = data_given ? data_dir : default_data_dir();
  const QStringList rest = words.mid(command->words.size());
  for (int i = 0; i < rest.size(); ++i) {
    const QString& word = rest[i];
    if (command->flags.contains(word)) {
      args.options[word] = QString();
    } else if (word.startsWith("--")) {
      if (!command->options.contains(word))
        return usage_error(QString("「%1」は使えないオプションです。").arg(word), command);
      if (i + 1 >= rest.size())
        return usage_error(QString("「%1」に値を指定してください。").arg(word), command);
      args.options[word] = rest[++i];
    } else {
      args.args << word;
    }
  }
  if (args.args.size() < command->min_args || args.args.size() > command->max_args)
    return usage_error("引数の数が正しくありません。", command);
  try {
    return command->run(args);
  } catch (const UsageError& error) {
    return usage_error(error.message, command);
  } catch (const CommandFailure& failure) {
    return fail(failure.message);
  }
}
