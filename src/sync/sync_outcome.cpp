#include "sync/sync_outcome.h"

QString SyncCounts::text() const {
  return QString("同期しました（送信 %1件、受信 %2件、競合 %3件、対象外 %4件、除いた文字 %5字）")
      .arg(sent)
      .arg(received)
      .arg(conflicts)
      .arg(unsupported)
      .arg(dropped);
}

QString SyncFailure::message() const {
  switch (kind) {
    case SyncFailureKind::InsecureUrl:
      return QString(
                 "「%1」は暗号化されていません。https:// の URL を指定してください（http:// "
                 "はこのコンピューター上のサーバーに限ります）。")
          .arg(detail);
    case SyncFailureKind::BadUrl:
      return QString(
                 "「%1」はサーバーの URL ではありません。https:// で始まる URL "
                 "を指定してください。")
          .arg(detail);
    case SyncFailureKind::Unreachable:
      return QString("サーバー「%1」に接続できませんでした。").arg(detail);
    case SyncFailureKind::NoPassword:
      return "サーバーがパスワードを求めています。パスワードを指定してください。";
    case SyncFailureKind::BadCredentials:
      return "サーバーがユーザー名かパスワードを受け付けませんでした。";
    case SyncFailureKind::UntrustedCertificate:
      return QString("サーバーの証明書は信頼されていません（SHA-256 指紋 %1）。").arg(detail);
    case SyncFailureKind::CollectionRefused:
      return QString("サーバーが「%1」を作れませんでした。").arg(detail);
    case SyncFailureKind::ServerError:
      return QString("サーバーがエラーを返しました（%1）。").arg(detail);
    case SyncFailureKind::TooManyDeletes:
      return QString(
                 "「%1」の多くの項目が削除されるため、同期を中止しました。何も変更していませ"
                 "ん。")
          .arg(detail);
    case SyncFailureKind::FileNotWritten:
      return QString("ファイル「%1」に書き込めませんでした。").arg(detail);
    case SyncFailureKind::WindowRunning:
      return "トリベの画面がこのデータフォルダーを開いています。同期は画面から行われます。";
  }
  return {};
}
