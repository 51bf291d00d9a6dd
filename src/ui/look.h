#pragma once
// Colours, fonts and pictures as the windows show them.
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include "core/form.h"

QColor to_qcolor(const Rgb& rgb, QPalette::ColorRole role);
Rgb to_rgb(const QColor& colour);
// The colour roles a widget paints its text and background with.
QPalette::ColorRole fore_role(const QWidget* widget);
QPalette::ColorRole back_role(const QWidget* widget);
// The design's Windows font names stand for the IPA fonts.
QFont to_qfont(const Font& font);
// A control's font: its design font, or for list and combo boxes, whose lines
// are padded into columns, the fixed-pitch IPAGothic.
QFont control_font(const Control& control);
// The program's default font for every window.
QFont default_font();
// The program's icon, drawn at every size the desktop asks for.
QIcon application_icon();
// A picture of the program's own (every one is a PNG): read as PNG directly, so
// Qt loads no other image plugin to guess the format.
QPixmap load_picture(const QString& path);
// The PNG file at `path`, read without guessing its format; null if unreadable.
QPixmap read_png(const QString& path);
