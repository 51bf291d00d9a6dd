#pragma once
// A small seeded generator of what users put into the data files: texts drawn from
// the whole CP932 repertoire (full-width kana and kanji, the NEC and IBM extensions),
// half-width letters and katakana, commas, blanks at the ends, empty texts and texts
// of the longest length a box takes; and table sizes from empty to full. The same
// seed always gives the same records, so a failing case is rerun from its seed.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <random>

class RecordGen {
 public:
  explicit RecordGen(quint32 seed) : rng_(seed) {}

  // Uniform in [lo, hi].
  int number(int lo, int hi);
  bool chance(int percent) { return number(0, 99) < percent; }

  // A one-line text of 0 to max_length characters, none of them in banned, none a
  // line end; every character has a CP932 form. One text in ten is empty and one in
  // five is exactly max_length long; some begin or end with blanks.
  QString text(int max_length, const QString& banned = {});
  // Like text(), but never empty.
  QString filled_text(int max_length, const QString& banned = {});
  // A number of entries for a table of limit slots: none, all, one short, or between.
  int count(int limit);
  QDate date(int first_year = 1995, int last_year = 2030);
  // The bytes of a line that is not valid CP932 (so no record), without line ends.
  QByteArray junk(int max_length);

 private:
  QChar any_char();
  std::mt19937 rng_;
};
