#include "runner_text.h"

#include "properties.h"

QString fail(const QString& expected, const QString& found) {
  return QString("expected %1, found %2").arg(expected, found);
}

QString quoted(const QString& text) { return to_value_text(Shown{Shown::Text, text}); }

std::optional<QByteArray> from_hex(const QString& hex) {
  QString digits = hex;
  digits.remove(' ');
  if (digits.size() % 2) return std::nullopt;
  for (QChar ch : digits)
    if (!ch.isDigit() && !QString("abcdefABCDEF").contains(ch)) return std::nullopt;
  return QByteArray::fromHex(digits.toLatin1());
}

QString icon_name(MsgIcon icon) {
  static const char* kNames[] = {"none", "stop", "question", "exclamation", "information"};
  return kNames[int(icon)];
}

QString buttons_name(MsgButtons buttons) {
  static const char* kNames[] = {"ok", "okcancel", "yesno"};
  return kNames[int(buttons)];
}
