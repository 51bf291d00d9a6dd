#pragma once
// The settings folder: Toribe.ini and the public variables every window may read.
// The program's public variables: the settings lines and what they mean, and the
// open flags of the tool windows. One instance lives for the whole run and is
// handed to every window that reads or writes it.
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <utility>

// Where the next tool window opens, when the search chose the place: the window's
// name and its record (from 0), or its day and list (gifts: 0 given, 1 received).
struct OpenAt {
  QString window;
  int record = -1;
  QDate date;
  int view = 0;
};

struct Module1 {
  // Settings file lines, in file order.
  QString ini_str;
  QString ini_koz;
  QString ini_base;
  std::array<QString, 9> ini_tor;  // ini_tor1 .. ini_tor9

  qint16 calen_mode = 1;  // 1 normal, 2 user, 3 all calendars
  qint16 memo_del = 0;    // memo auto-delete: 1 on, 0 off
  qint16 base_year = 1996;
  QString load_flag = "1";

  // The month the main window shows, for the tools that open on it.
  qint16 shown_year = 0, shown_month = 0;

  // Tool-window flags: 1 while the window is open.
  qint16 flg_calc = 0, flg_kansan = 0, flg_syuuki = 0;
  qint16 flg_meisi = 0, flg_kozu = 0, flg_jyu = 0, flg_nengou = 0, flg_bas = 0;
  qint16 flg_numbers = 0, flg_zouto = 0, flg_dice = 0, flg_timecal = 0;

  OpenAt open_at;
  // The place left for this window, taken once; nothing when none was left for it.
  std::optional<OpenAt> take_open_at(const QString& window) {
    if (open_at.window != window) return std::nullopt;
    return std::exchange(open_at, OpenAt{});
  }
};
