#pragma once
// Reading scenario files: one command per line, words separated by blanks,
// strings in double quotes with \" \\ \n \r \t escapes, file blocks of | lines.
#include <QString>
#include <QStringList>
#include <vector>

struct Word {
  QString text;
  bool quoted = false;
};

struct Command {
  int line = 0;
  std::vector<Word> words;
  QStringList block;  // the | lines that follow a file or expect file command
  bool has_block = false;
};

// Splits one line into words; false (with the reason) on an unclosed string.
bool split_words(const QString& line, std::vector<Word>& words, QString& error);
// Reads the whole file; false (with the line and reason) when it cannot be read.
bool read_script(const QString& path, std::vector<Command>& commands, QString& error);
