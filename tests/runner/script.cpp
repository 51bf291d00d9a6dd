#include "script.h"

#include <QFile>

bool split_words(const QString& line, std::vector<Word>& words, QString& error) {
  qsizetype i = 0;
  while (i < line.size()) {
    if (line[i].isSpace()) {
      ++i;
      continue;
    }
    Word word;
    if (line[i] == '"') {
      word.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const QChar ch = line[i++];
        if (ch == '"') {
          closed = true;
          break;
        }
        if (ch == '\\' && i < line.size()) {
          const QChar esc = line[i++];
          if (esc == 'n')
            word.text += '\n';
          else if (esc == 'r')
            word.text += '\r';
          else if (esc == 't')
            word.text += '\t';
          else
            word.text += esc;
        } else {
          word.text += ch;
        }
      }
      if (!closed) {
        error = "unclosed string";
        return false;
      }
    } else {
      while (i < line.size() && !line[i].isSpace()) word.text += line[i++];
    }
    words.push_back(word);
  }
  return true;
}

bool read_script(const QString& path, std::vector<Command>& commands, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = "cannot read the file";
    return false;
  }
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  for (QString& line : lines)
    if (line.endsWith('\r')) line.chop(1);
  for (qsizetype n = 0; n < lines.size(); ++n) {
    const QString trimmed = lines[n].trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
    Command command;
    command.line = int(n + 1);
    if (trimmed.startsWith('|')) {
      error = QString("line %1: a | line outside a file block").arg(n + 1);
      return false;
    }
    if (!split_words(lines[n], command.words, error)) {
      error = QString("line %1: %2").arg(n + 1).arg(error);
      return false;
    }
    const bool takes_block = (command.words.size() == 2 && command.words[0].text == "file") ||
                             (command.words.size() == 3 && command.words[0].text == "expect" &&
                              command.words[1].text == "file");
    if (takes_block) {
      command.has_block = true;
      auto block_line = [&](qsizetype k) {
        qsizetype at = 0;
        while (at < lines[k].size() && (lines[k][at] == ' ' || lines[k][at] == '\t')) ++at;
        return at < lines[k].size() && lines[k][at] == '|' ? at : qsizetype(-1);
      };
      while (n + 1 < lines.size() && block_line(n + 1) >= 0) {
        const qsizetype bar = block_line(n + 1);
        QString text = lines[++n].mid(bar + 1);
        if (text.startsWith(' ')) text.remove(0, 1);
        command.block << text;
      }
    }
    commands.push_back(command);
  }
  return true;
}
