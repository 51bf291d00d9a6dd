#pragma once
// Texts the runner reads from a scenario or writes into its failure lines.
#include <QByteArray>
#include <QString>
#include <optional>

#include "core/platform.h"

// "expected ..., found ...".
QString fail(const QString& expected, const QString& found);
// A string as the scenario language writes it, in quotes with escapes.
QString quoted(const QString& text);
// Hexadecimal digits (blanks allowed) to bytes; nullopt when they are not.
std::optional<QByteArray> from_hex(const QString& hex);
QString icon_name(MsgIcon icon);
QString buttons_name(MsgButtons buttons);
