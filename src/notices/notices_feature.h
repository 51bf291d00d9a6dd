#pragma once
// The notices module: desktop notifications through the session bus (Qt D-Bus).
#include <QString>
#include <QStringList>
#include <functional>

struct NoticesFeature {
  static constexpr char kModule[] = "notices";
  static constexpr char kTitle[] = "デスクトップ通知";
  // Shows a notification with the program's icon; on_chosen runs when the user
  // chooses it. Without a bus or a notification service nothing is shown.
  void (*send)(const QString& title, const QStringList& lines, std::function<void()> on_chosen);
};
