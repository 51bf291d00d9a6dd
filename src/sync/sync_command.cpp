#include "sync/sync_command.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <iostream>
#include <string>

#include "core/instance_lock.h"
#include "sync/dav_client.h"
#include "sync/sync_session.h"

namespace {

// The password kept for the account by the desktop keyring; none until the
// keyring is wired in, so the server's question ends with how to give one.
QString keyring_password(const SyncAccount&) { return {}; }

QString read_password_line() {
  std::string line;
  std::getline(std::cin, line);
  QString password = QString::fromUtf8(line.data(), qsizetype(line.size()));
  if (password.endsWith('\r')) password.chop(1);
  return password;
}

int run_session(const SyncRequest& request) {
  int argc = 1;
  char name[] = "toribe";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> app;
  if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
  SyncSession session(request);
  SyncResult result;
  QObject::connect(&session, &SyncSession::finished, [&](const SyncResult& r) {
    result = r;
    QCoreApplication::exit(0);
  });
  session.start();
  QCoreApplication::exec();
  if (result.failure) {
    QString message = result.failure->message();
    if (result.failure->kind == SyncFailureKind::NoPassword)
      message += "パスワードは --password-stdin を付けて標準入力から渡せます。";
    if (result.failure->kind == SyncFailureKind::UntrustedCertificate)
      message += QString("この証明書を信頼するには --trust %1 を付けてください。")
                     .arg(result.failure->detail);
    if (result.failure->kind == SyncFailureKind::TooManyDeletes)
      message += "削除してよい場合は --allow-deletes を付けてください。";
    return fail(message);
  }
  print_out(result.counts.text());
  return kExitOk;
}

int state_not_written(const CommandArgs& args) {
  return fail(
      SyncFailure{SyncFailureKind::FileNotWritten, args.data_file(kSyncStateFile)}.message());
}

}  // namespace

int sync_command(const CommandArgs& args) {
  const bool forget = args.options.contains("--forget");
  if (forget && args.options.size() > 1)
    throw UsageError{"--forget は他のオプションと一緒には使えません。"};
  if (args.options.contains("--url") != args.options.contains("--user"))
    throw UsageError{"--url と --user は一緒に指定してください。"};
  InstanceLock lock(data_folder_lock_path(args.data_dir));
  if (!lock.acquire(0)) return fail(SyncFailure{SyncFailureKind::WindowRunning, {}}.message());
  if (forget) {
    return forget_sync_state(args.data_dir) ? kExitOk : state_not_written(args);
  }
  std::optional<SyncState> state = read_sync_state(args.data_dir);
  SyncAccount account = state ? state->account : SyncAccount{};
  if (args.options.contains("--url")) {
    if (auto failure = url_failure(args.options["--url"])) return fail(failure->message());
    account.url = args.options["--url"];
    account.user = args.options["--user"];
  }
  if (args.options.contains("--trust"))
    account.trusted_fingerprint = args.options["--trust"].remove(':').toLower();
  if (account.url.isEmpty())
    return fail("同期するサーバーが登録されていません。--url URL --user NAME で指定してください。");
  if (!state || state->account.url != account.url || state->account.user != account.user) {
    // Another server or user: nothing of the old state applies.
    if (!write_sync_state(args.data_dir, fresh_state(account))) return state_not_written(args);
  } else if (state->account != account) {
    state->account = account;
    if (!write_sync_state(args.data_dir, *state)) return state_not_written(args);
  }
  SyncRequest request;
  request.data_dir = args.data_dir;
  request.account = account;
  request.password =
      args.options.contains("--password-stdin") ? read_password_line() : keyring_password(account);
  request.allow_deletes = args.options.contains("--allow-deletes");
  return run_session(request);
}
