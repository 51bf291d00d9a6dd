#include "toribe/exchange_menu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/module_loader.h"
#include "core/platform.h"
#include "exchange/exchange_feature.h"
#include "settings/module1.h"

namespace {

struct ExportKind {
  const char* chooser_title;
  const char* filter;
  const char* suggested_name;
};

const ExportKind kExports[] = {
    {"カレンダーの書き出し", "iCalendar ファイル (*.ics)", "toribe.ics"},
    {"住所録の書き出し", "vCard ファイル (*.vcf)", "address.vcf"},
    {"名刺の書き出し", "vCard ファイル (*.vcf)", "meishi.vcf"},
    {"こづかい帳の書き出し", "CSV ファイル (*.csv)", "kozukai.csv"},
    {"贈答控えの書き出し", "CSV ファイル (*.csv)", "zoutou.csv"},
};

QByteArray export_bytes(const ExchangeFeature& exchange, Platform& platform, MenuExport what) {
  const QString here = QDir::currentPath();
  const QDate today = platform.today();
  switch (what) {
    case MenuExport::Calendar:
      return exchange.export_calendar(here, today.year(), today.year() + 1, platform.now().toUTC());
    case MenuExport::Addresses:
      return exchange.export_contacts(here, ContactBook::Addresses);
    case MenuExport::Cards:
      return exchange.export_contacts(here, ContactBook::Cards);
    case MenuExport::Ledger:
      return exchange.export_ledger(here, exchange.ledger_year_shown(here, today));
    case MenuExport::Gifts:
      return exchange.export_gifts(here);
  }
  return {};
}

// The exchange module, or nullptr after telling the user it is missing.
const ExchangeFeature* exchange_feature(Platform& platform, const QString& item) {
  QString error;
  const ExchangeFeature* exchange = load_feature<ExchangeFeature>(error);
  if (!exchange) platform.message(error, MsgButtons::Ok, MsgIcon::Exclamation, item);
  return exchange;
}

}  // namespace

void export_from_menu(Platform& platform, MenuExport what, const QString& item) {
  const ExportKind& kind = kExports[int(what)];
  const QString path =
      platform.choose_file(FileChooser::Save, kind.chooser_title, kind.filter, kind.suggested_name);
  if (path.isEmpty()) return;
  const ExchangeFeature* exchange = exchange_feature(platform, item);
  if (!exchange) return;
  const QByteArray bytes = export_bytes(*exchange, platform, what);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    platform.message(QString("ファイル「%1」に書き込めませんでした。").arg(path), MsgButtons::Ok,
                     MsgIcon::Stop, item);
    return;
  }
  platform.message(QString("「%1」に書き出しました。").arg(QFileInfo(path).fileName()),
                   MsgButtons::Ok, MsgIcon::Information, item);
}

void import_from_menu(Platform& platform, const Module1& m, ContactBook book, const QString& item) {
  const bool addresses = book == ContactBook::Addresses;
  if (addresses ? m.flg_jyu == 1 : m.flg_meisi == 1) {
    platform.message(
        QString("%1を閉じてから読み込んでください。").arg(addresses ? "住所録" : "名刺管理"),
        MsgButtons::Ok, MsgIcon::Exclamation, item);
    return;
  }
  const QString path =
      platform.choose_file(FileChooser::Open, addresses ? "住所録の読み込み" : "名刺の読み込み",
                           "vCard ファイル (*.vcf *.vcard)");
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || QFileInfo(path).isDir()) {
    platform.message(QString("ファイル「%1」を読み込めませんでした。").arg(path), MsgButtons::Ok,
                     MsgIcon::Stop, item);
    return;
  }
  const ExchangeFeature* exchange = exchange_feature(platform, item);
  if (!exchange) return;
  QString said;
  const bool taken =
      exchange->import_contacts(QDir::currentPath(), book, file.readAll(), path, said);
  platform.message(said, MsgButtons::Ok, taken ? MsgIcon::Information : MsgIcon::Stop, item);
}
