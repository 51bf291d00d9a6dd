#pragma once
#include <QString>

// Texts in a form's description end their lines with CR LF; Qt's editors use LF.
inline QString to_widget_text(const QString& text) { return QString(text).replace("\r\n", "\n"); }
inline QString from_widget_text(const QString& text) {
  return QString(text).replace("\r\n", "\n").replace('\n', "\r\n");
}
