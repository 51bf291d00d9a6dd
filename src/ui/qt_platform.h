#pragma once
// The platform on a real desktop.
#include <QMap>
#include <QSet>
#include <memory>

#include "core/instance_lock.h"
#include "core/platform.h"
#include "ui/form_window.h"

class QTimer;

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  QDateTime now() override;
  MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon,
                    const QString& title) override;
  QString input_box(const QString& prompt, const QString& title,
                    const QString& default_text) override;
  QString choose_file(FileChooser kind, const QString& title, const QString& filter,
                      const QString& suggested_name) override;
  int start_timer(int interval_ms, std::function<void()> tick) override;
  void stop_timer(int id) override;
  void beep() override;
  int screen_width() override;
  int screen_height() override;
  bool acquire_instance_lock() override;
  void show_modal(Form& form) override;
  void show_main(Form& form) override;
  void show_help() override;
  void quit() override;
  void notify(const QString& title, const QStringList& lines) override;
  void keyring_read(const QString& key, KeyringDone done) override;
  void keyring_write(const QString& key, const QString& text, KeyringDone done) override;
  void keyring_delete(const QString& key, KeyringDone done) override;
  bool trust_certificate(const QString& host, const QString& fingerprint) override;
  // In print_preview.cpp.
  void print_preview(const PaperDocument& document) override;
  std::optional<TickedNames> choose_ticked(const QString& title, const QString& prompt,
                                           const QStringList& names,
                                           const QString& option) override;

  WindowSet& windows() { return windows_; }

 private:
  KeyringDone then_show(KeyringDone done);
  template <class Feature>
  const Feature* feature_or_tell_once();
  WindowSet windows_;
  std::unique_ptr<InstanceLock> lock_;
  std::unique_ptr<InstanceLock> folder_lock_;  // tells a sync command the window is here
  QMap<int, QTimer*> timers_;
  int next_timer_ = 1;
  std::unique_ptr<QWidget> help_;
  QSet<QString> told_missing_;  // the modules the user was told are missing
  QString main_name_;           // the main window, brought to the front by a chosen notification
};
