#pragma once
// The services the program takes from the system. The Qt implementation lives in
// src/ui/; ScriptedPlatform answers from a script for the tests.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Form;
struct PaperDocument;

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgIcon { None, Stop, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Cancel, Yes, No };
enum class FileChooser { Open, Save };

// What the desktop keyring answered. NoKeyring: no keyring service answers (none runs,
// or it refused), which callers tell apart from a key that holds nothing.
enum class KeyringStatus { Found, Missing, NoKeyring };
struct KeyringAnswer {
  KeyringStatus status = KeyringStatus::NoKeyring;
  QString text;  // the secret, when found
};
using KeyringDone = std::function<void(const KeyringAnswer&)>;

// The application's title, used by message boxes that give none.
inline const QString kAppTitle = QStringLiteral("toribe");

// What a list of names with check boxes answers: a tick per name, and the extra
// check box below the list (false where there is none).
struct TickedNames {
  QList<bool> ticks;
  bool option = false;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual QDateTime now() = 0;
  QDate today() { return now().date(); }

  // An empty title stands for the application's title.
  virtual MsgAnswer message(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                            MsgIcon icon = MsgIcon::None, const QString& title = {}) = 0;
  // Cancel answers an empty text.
  virtual QString input_box(const QString& prompt, const QString& title = {},
                            const QString& default_text = {}) = 0;

  // A file chooser for one type of file, filter as "vCard (*.vcf)"; the path
  // chosen, or empty on Cancel.
  virtual QString choose_file(FileChooser kind, const QString& title, const QString& filter,
                              const QString& suggested_name = {}) = 0;
  // A repeating timer; the tick runs on the user-interface thread.
  virtual int start_timer(int interval_ms, std::function<void()> tick) = 0;
  virtual void stop_timer(int id) = 0;

  virtual void beep() = 0;
  // Screen size in twips.
  virtual int screen_width() = 0;
  virtual int screen_height() = 0;

  // False when another copy of the program holds the lock.
  virtual bool acquire_instance_lock() = 0;

  // Shows a tool window modally: the Qt platform returns when it is closed.
  virtual void show_modal(Form& form) = 0;
  // Shows the main window (not modal).
  virtual void show_main(Form& form) = 0;
  // Opens the program's help on its contents.
  virtual void show_help() = 0;
  // Ends the program.
  virtual void quit() = 0;
  // A desktop notification with the program's icon; choosing it brings the main
  // window to the front. Without a notification service nothing is shown.
  virtual void notify(const QString& title, const QStringList& lines) {
    (void)title;
    (void)lines;
  }

  // The desktop keyring, by key (an account's USER@HOST). Each answers through done,
  // at once or later, on the user-interface thread. A write that stored the text
  // answers Found; a delete answers Missing once the key holds nothing.
  virtual void keyring_read(const QString& key, KeyringDone done) = 0;
  virtual void keyring_write(const QString& key, const QString& text, KeyringDone done) = 0;
  virtual void keyring_delete(const QString& key, KeyringDone done) = 0;
  // Asks whether to trust a server's certificate that the system does not: the
  // server's name and the certificate's SHA-256 fingerprint as colon-separated hex.
  virtual bool trust_certificate(const QString& host, const QString& fingerprint) = 0;

  // Shows the pages in the print preview, from which they are printed or saved as PDF.
  virtual void print_preview(const PaperDocument& document) = 0;
  // A list of names with check boxes, all ticked, and below it, where option is not
  // empty, one more check box with that text, unticked: the ticks when confirmed,
  // nothing on Cancel.
  virtual std::optional<TickedNames> choose_ticked(const QString& title, const QString& prompt,
                                                   const QStringList& names,
                                                   const QString& option) = 0;

  // Told by the savers whenever a data file was written (its name as written), so
  // that whoever keeps the files in step with elsewhere can follow.
  std::function<void(const QString& file_name)> on_file_saved;
  void file_saved(const QString& file_name) {
    if (on_file_saved) on_file_saved(file_name);
  }

  // The runtime's random sequence: [0, 1), the same sequence at every start.
  float rnd() { return rnd_.next(); }

 protected:
  // A new run of the program starts the sequence afresh.
  void restart_random() { rnd_ = Rnd{}; }

 private:
  // The classic BASIC generator: 24-bit linear congruential, fixed seed.
  struct Rnd {
    quint32 state = 0x50000;
    float next() {
      state = (state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
      return float(state) / 16777216.0f;
    }
  } rnd_;
};
