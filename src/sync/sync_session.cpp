#include "sync/sync_session.h"

#include <QThread>

#include "sync/sync_engine.h"

SyncSession::SyncSession(SyncRequest request, QObject* parent)
    : QObject(parent), request_(std::move(request)), engine_(std::make_unique<SyncEngine>()) {}

SyncSession::~SyncSession() {
  if (worker_) {
    engine_->cancel();
    worker_->wait();
  }
}

void SyncSession::start() {
  if (worker_) return;
  worker_.reset(QThread::create([this] {
    const SyncResult result = engine_->run(request_);
    QMetaObject::invokeMethod(
        this, [this, result] { Q_EMIT finished(result); }, Qt::QueuedConnection);
  }));
  worker_->start();
}

void SyncSession::cancel() { engine_->cancel(); }
