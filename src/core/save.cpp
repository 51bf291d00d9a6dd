#include "core/save.h"

#include "core/platform.h"
#include "core/text_file.h"

void tell_write_failure(Platform& platform, const QString& file_name) {
  platform.message(QString("ファイル「%1」に書き込めませんでした。\r\n"
                           "変更した内容はプログラムの中に残っています。")
                       .arg(file_name),
                   MsgButtons::Ok, MsgIcon::Exclamation);
}

bool save_lines(Platform& platform, const QString& file_name, const QStringList& lines) {
  if (write_lines(file_name, lines)) {
    platform.file_saved(file_name);
    return true;
  }
  tell_write_failure(platform, file_name);
  return false;
}
