#include "notices/notice_body.h"

QString notice_body(const QStringList& lines, bool takes_markup) {
  QString body = lines.join('\n');
  if (!takes_markup) return body;
  return body.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
}
