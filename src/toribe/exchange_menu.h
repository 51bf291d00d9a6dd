#pragma once
// The main window's ファイル > 書き出し and 読み込み items: a file chooser, then
// what `toribe export` and `toribe import` do, in the working folder.
#include <QString>

#include "exchange/exchange_feature.h"

class Platform;
struct Module1;

enum class MenuExport { Calendar, Addresses, Cards, Ledger, Gifts };

// `item` is the menu item's caption: the title of the message box that follows.
void export_from_menu(Platform& platform, MenuExport what, const QString& item);
void import_from_menu(Platform& platform, const Module1& m, ContactBook book, const QString& item);
