#pragma once
// The exchange module: iCalendar (libical), vCard and CSV in and out of a data
// folder, for the menu and the command line (see exchange.h).
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

enum class ContactBook { Addresses, Cards };

struct ExchangeFeature {
  static constexpr char kModule[] = "exchange";
  static constexpr char kTitle[] = "書き出し・読み込み";
  QByteArray (*export_calendar)(const QString& data_dir, int from, int to, const QDateTime& stamp);
  QByteArray (*export_contacts)(const QString& data_dir, ContactBook book);
  QByteArray (*export_ledger)(const QString& data_dir, int year);
  QByteArray (*export_gifts)(const QString& data_dir);
  int (*ledger_year_shown)(const QString& data_dir, const QDate& today);
  // True with the summary ("N件を読み込みました…") in `message`; false with a
  // Japanese message naming the file, no data file touched.
  bool (*import_contacts)(const QString& data_dir, ContactBook book, const QByteArray& input,
                          const QString& file_name, QString& message);
};
