#pragma once
// Data in and out of a data folder, shared by the command line and the main
// window's menu. Exports only read the data files; an import reads and checks
// its input whole, then writes the book's file once, atomically.
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <variant>

#include "exchange/contact_import.h"

QByteArray export_calendar(const QString& data_dir, int from, int to, const QDateTime& stamp);
QByteArray export_contacts(const QString& data_dir, ContactBook book);
QByteArray export_ledger(const QString& data_dir, int year);
QByteArray export_gifts(const QString& data_dir);

// The year the ledger showed last (the KOZ line of Toribe.ini), else this year.
int ledger_year_shown(const QString& data_dir, const QDate& today);

// The summary, or a Japanese message that names the file (and for a malformed
// vCard its line); on failure no data file is touched.
std::variant<ImportSummary, QString> import_contacts(const QString& data_dir, ContactBook book,
                                                     const QByteArray& input,
                                                     const QString& file_name);
