#include "app/stale_saves.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "address/jyusho_file.h"
#include "calendar/user_day_files.h"
#include "cards/meishi_file.h"
#include "gifts/zouto_file.h"
#include "memo/memo_file.h"
#include "settings/settings.h"

namespace {

// Every file the program writes in its folder, as a pattern of its name. The
// season files BasYYYY.DAT are only ever read, so a save never leaves one.
QString written_file_names() {
  QStringList names;
  for (const QString& name : {kSettingsFile, kMemoFile, kHolidayFile, kMemorialFile, kAddressFile,
                              kCardFile, kZoutouFile})
    names << QRegularExpression::escape(name);
  names << R"(TO\d{4}\.KOZ)";  // the ledger's year files (koz_file_name)
  return names.join('|');
}

}  // namespace

void remove_stale_saves(const QString& folder) {
  // QSaveFile's temporary name: the file's name, a dot and six letters or digits.
  static const QRegularExpression left_by_a_save(
      QString(R"(^(?:%1)\.[A-Za-z0-9]{6}$)").arg(written_file_names()));
  const QDateTime a_minute_ago = QDateTime::currentDateTimeUtc().addSecs(-60);
  const QFileInfoList files =
      QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
  for (const QFileInfo& file : files)
    if (left_by_a_save.match(file.fileName()).hasMatch() && file.lastModified() < a_minute_ago)
      QFile::remove(file.filePath());
}
