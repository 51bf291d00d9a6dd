#include "settings/settings.h"

#include <QDate>
#include <QStringList>

#include "core/save.h"
#include "core/text_file.h"

namespace {

// A line is read as one field, up to the first comma.
QString settings_field(const QString& line) { return line.left(line.indexOf(',')); }

bool is_base_year_token(const QString& token) {
  return token.size() >= 2 && token.startsWith("00");
}

}  // namespace

void set_ini_defaults(Module1& m, const QDate& today) {
  m.ini_koz = QString("KOZ = %1%2").arg(today.year()).arg(today.month(), 2, 10, QChar('0'));
  m.ini_base = "BaseBall = ";
  for (int i = 0; i < 8; ++i) m.ini_tor[i] = QString("TORIBE%1 = ").arg(i + 1);
  m.ini_tor[8] = "TORIBE9 =";
}

bool read_ini(Module1& m, const QString& path) {
  const auto lines = read_lines(path);
  QString* targets[12] = {&m.ini_str, &m.ini_koz, &m.ini_base};
  for (int i = 0; i < 9; ++i) targets[3 + i] = &m.ini_tor[i];
  const qsizetype available = lines ? lines->size() : 0;
  for (qsizetype i = 0; i < 12 && i < available; ++i) *targets[i] = settings_field((*lines)[i]);
  if (available >= 12) return true;
  m.ini_str = kDefaultTokenString;
  return write_ini(m, path);
}

namespace {

const QString kLawKey = QStringLiteral("TORIBE1 =");
const QString kNoticeKey = QStringLiteral("TORIBE2 =");

}  // namespace

bool law_option(const Module1& m) {
  const QString& line = m.ini_tor[0];
  return line.startsWith(kLawKey) && line.mid(kLawKey.size()).trimmed() == "1";
}

void set_law_option(Module1& m, bool on) { m.ini_tor[0] = kLawKey + (on ? " 1" : " "); }

bool notice_option(const Module1& m) {
  const QString& line = m.ini_tor[1];
  return !(line.startsWith(kNoticeKey) && line.mid(kNoticeKey.size()).trimmed() == "0");
}

void set_notice_option(Module1& m, bool on) { m.ini_tor[1] = kNoticeKey + (on ? " " : " 0"); }

void parse_token_string(Module1& m) {
  m.base_year = 1996;
  const qsizetype tokens = (m.ini_str.size() + 1) / 3;  // n / 3 rounded; never a half
  for (qsizetype k = 0; k < tokens; ++k) {
    const QString token = m.ini_str.mid(3 * k, 3);
    if (token == "TOR")
      m.calen_mode = 1;
    else if (token == "IBE")
      m.calen_mode = 2;
    else if (token == "YAS")
      m.calen_mode = 3;
    else if (token == "NDE")
      m.memo_del = 1;
    else if (token == "NDD")
      m.memo_del = 0;
    else if (is_base_year_token(token)) {
      const QChar c = token.size() > 2 ? token[2] : QChar();
      if (c >= '0' && c <= '9') m.base_year += c.unicode() - '0';
    }
  }
}

bool pad_token_string(Module1& m) {
  if (m.ini_str.size() == 3) {
    m.ini_str += "ABCDEFGHIJKLMNOPQRSTUVWXYZ0";
    return true;
  }
  if (m.ini_str.size() == 6) {
    m.ini_str += "DEFGHIJKLMNOPQRSTUVWXYZ0";
    return true;
  }
  return false;
}

QString base_year_tokens(int base_year) {
  int offset = std::max(0, base_year - 1996);
  QString tokens;
  do {
    const int digit = std::min(offset, 9);
    tokens += QString("00%1").arg(digit);
    offset -= digit;
  } while (offset > 0);
  return tokens;
}

QString rebuild_token_string(const QString& prefix, int base_year, const QString& old) {
  // Skip the old base-year tokens: the one at the third place, and any that an
  // offset above 9 added after it.
  qsizetype rest = 9;
  while (is_base_year_token(old.mid(rest, 3)) && old.mid(rest, 3).size() == 3) rest += 3;
  return prefix + base_year_tokens(base_year) + old.mid(rest);
}

bool write_ini(const Module1& m, const QString& path) {
  QStringList lines{m.ini_str, m.ini_koz, m.ini_base};
  for (const QString& line : m.ini_tor) lines << line;
  return write_lines(path, lines);
}

void save_ini(const Module1& m, Platform& platform) {
  if (!write_ini(m, kSettingsFile)) tell_write_failure(platform, kSettingsFile);
}
