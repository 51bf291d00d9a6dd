#pragma once
// Texts compared as UTF-8, so that a failing check prints them readably.
#include <QStringList>
#include <string>

inline std::string u8(const QString& text) { return text.toStdString(); }
inline std::string u8(const QStringList& lines) { return lines.join('\n').toStdString(); }
