#pragma once
// Desktop notifications through the freedesktop notification service on the
// session bus. Nothing here may trouble the user: with no bus or no service the
// notification is simply not shown.
#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>

class DesktopNotices : public QObject {
  Q_OBJECT

 public:
  // on_default runs when the user chooses a notification (its default action).
  explicit DesktopNotices(std::function<void()> on_default);

  void send(const QString& title, const QStringList& lines);

 private Q_SLOTS:
  void action_invoked(uint id, const QString& action_key);

 private:
  void notify(const QString& title, const QString& body);

  std::function<void()> on_default_;
  QSet<uint> sent_;  // the ids the service gave this program's notifications
  bool listening_ = false;
};
