#include "notices/desktop_notices.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>
#include <QImageReader>

#include "notices/notice_body.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

// The "image-data" hint, (iiibiiay): the icon travels with the notification, so it
// shows even when the program is run from its build folder and no icon theme has it.
QDBusArgument icon_data() {
  QImageReader reader(QStringLiteral(":/app/toribe_64.png"), "png");
  reader.setAutoDetectImageFormat(false);
  const QImage image = reader.read().convertToFormat(QImage::Format_RGBA8888);
  QDBusArgument data;
  data.beginStructure();
  data << image.width() << image.height() << int(image.bytesPerLine()) << true << 8 << 4
       << QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
  data.endStructure();
  return data;
}

}  // namespace

DesktopNotices::DesktopNotices(std::function<void()> on_default)
    : on_default_(std::move(on_default)) {}

void DesktopNotices::send(const QString& title, const QStringList& lines) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  if (!listening_)
    listening_ = bus.connect(kService, kPath, kInterface, "ActionInvoked", this,
                             SLOT(action_invoked(uint, QString)));
  // Asked each time: the service may have been replaced by one that reads markup.
  const QDBusMessage ask =
      QDBusMessage::createMethodCall(kService, kPath, kInterface, "GetCapabilities");
  auto* asking = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
  connect(asking, &QDBusPendingCallWatcher::finished, this,
          [this, title, lines](QDBusPendingCallWatcher* w) {
            const QDBusPendingReply<QStringList> reply = *w;
            w->deleteLater();
            if (reply.isValid())
              notify(title, notice_body(lines, reply.value().contains("body-markup")));
          });
}

void DesktopNotices::notify(const QString& title, const QString& body) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
  const QVariantMap hints{{"desktop-entry", QStringLiteral("toribe")},
                          {"image-data", QVariant::fromValue(icon_data())}};
  call << QStringLiteral("トリベ") << uint(0) << QStringLiteral("toribe") << title << body
       << QStringList{"default", QStringLiteral("開く")} << hints << -1;
  // Asynchronous: a missing or slow service never holds up the window.
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    const QDBusPendingReply<uint> reply = *w;
    if (reply.isValid()) sent_.insert(reply.value());
    w->deleteLater();
  });
}

void DesktopNotices::action_invoked(uint id, const QString& action_key) {
  if (sent_.contains(id) && action_key == "default" && on_default_) on_default_();
}
