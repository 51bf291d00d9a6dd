#include "ui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QInputMethod>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include "core/module_loader.h"
#include "keyring/keyring_feature.h"
#include "notices/notices_feature.h"
#include "ui/after_first_paint.h"
#include "ui/font_config_reader.h"
#include "ui/help_window.h"
#include "ui/japanese.h"
#include "ui/twips.h"

namespace {

QString shown_text(const QString& text) { return QString(text).replace("\r\n", "\n"); }

// A box opened from a text box's change takes the focus, and Qt then asks the input
// method to commit its composition; fcitx5 still holds the text it has just committed
// and would type it a second time (a refused character told of twice). Dropping
// the input method's state first leaves nothing to commit. Only while a box that
// composes has the focus: without one (a box before any window) the reset is not
// needed, and on Wayland it stopped the box from showing.
void settle_input_method() {
  if (const QWidget* box = QApplication::focusWidget();
      box && box->testAttribute(Qt::WA_InputMethodEnabled))
    QGuiApplication::inputMethod()->reset();
}

// Wide enough for the whole title beside the window manager's buttons, and for
// the longest line of the prompt.
int input_box_width(const QWidget& box, const QString& title, const QString& prompt) {
  QFont title_font = box.font();
  title_font.setBold(true);
  const int title_room = QFontMetrics(title_font).horizontalAdvance(title) * 5 / 4 + 120;
  int prompt_width = 0;
  for (const QString& line : prompt.split('\n'))
    prompt_width = std::max(prompt_width, box.fontMetrics().horizontalAdvance(line));
  return std::max({title_room, prompt_width + 40, 280});
}

}  // namespace

QtPlatform::QtPlatform() {
  windows_.on_help = [this] { show_help(); };
}
QtPlatform::~QtPlatform() = default;

QDateTime QtPlatform::now() { return QDateTime::currentDateTime(); }

MsgAnswer QtPlatform::message(const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& title) {
  finish_reading_font_configuration();
  settle_input_method();
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
  box.setTextFormat(Qt::PlainText);  // a message may quote typed text holding '<'
  box.setText(shown_text(text));
  static const QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Critical,
                                             QMessageBox::Question, QMessageBox::Warning,
                                             QMessageBox::Information};
  box.setIcon(kIcons[int(icon)]);
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
  }
  japanese_button_texts(&box);
  switch (box.exec()) {
    case QMessageBox::Cancel:
      return MsgAnswer::Cancel;
    case QMessageBox::Yes:
      return MsgAnswer::Yes;
    case QMessageBox::No:
      return MsgAnswer::No;
    default:
      return buttons == MsgButtons::OkCancel && box.clickedButton() == nullptr ? MsgAnswer::Cancel
                                                                               : MsgAnswer::Ok;
  }
}

// The feature's module, or nullptr after telling the user once that it is missing:
// these features come back by themselves (the notice every day, the keyring at
// every sync), and one message per run is enough.
template <class Feature>
const Feature* QtPlatform::feature_or_tell_once() {
  QString error;
  const Feature* feature = load_feature<Feature>(error);
  if (!feature && !told_missing_.contains(Feature::kModule)) {
    told_missing_.insert(Feature::kModule);
    message(error, MsgButtons::Ok, MsgIcon::Exclamation, {});
  }
  return feature;
}

// The keyring answers later, outside any window event: the windows show what the
// answer changed.
KeyringDone QtPlatform::then_show(KeyringDone done) {
  return [this, done = std::move(done)](const KeyringAnswer& answer) {
    if (done) done(answer);
    windows_.sync_all();
  };
}

// Without its module the keyring counts as none: the password is asked for and kept in memory.
void QtPlatform::keyring_read(const QString& key, KeyringDone done) {
  if (const KeyringFeature* keyring = feature_or_tell_once<KeyringFeature>())
    keyring->read(key, then_show(std::move(done)));
  else if (done)
    done({});
}

void QtPlatform::keyring_write(const QString& key, const QString& text, KeyringDone done) {
  if (const KeyringFeature* keyring = feature_or_tell_once<KeyringFeature>())
    keyring->write(key, text, then_show(std::move(done)));
  else if (done)
    done({});
}

void QtPlatform::keyring_delete(const QString& key, KeyringDone done) {
  if (const KeyringFeature* keyring = feature_or_tell_once<KeyringFeature>())
    keyring->remove(key, then_show(std::move(done)));
  else if (done)
    done({});
}

bool QtPlatform::trust_certificate(const QString& host, const QString& fingerprint) {
  finish_reading_font_configuration();
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle("証明書の確認");
  box.setIcon(QMessageBox::Warning);
  box.setText(
      QString("サーバー「%1」の証明書は、このコンピューターが信頼していないものです。").arg(host));
  box.setInformativeText(
      QString("SHA-256 指紋:\n%1\n\nこの指紋がサーバーの管理者から聞いたものと同じときだけ、"
              "信頼してください。")
          .arg(fingerprint));
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  QPushButton* trust = box.addButton("信頼する", QMessageBox::AcceptRole);
  QPushButton* refuse = box.addButton("やめる", QMessageBox::RejectRole);
  box.setDefaultButton(refuse);
  box.setEscapeButton(refuse);
  box.exec();
  return box.clickedButton() == trust;
}

QString QtPlatform::input_box(const QString& prompt, const QString& title,
                              const QString& default_text) {
  settle_input_method();
  QInputDialog box(QApplication::activeWindow());
  box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
  box.setLabelText(shown_text(prompt));
  box.setTextValue(default_text);
  japanese_button_texts(&box);
  // The dialog sizes itself from its layout: widen the text field to widen the box.
  if (auto* field = box.findChild<QLineEdit*>())
    field->setMinimumWidth(input_box_width(box, box.windowTitle(), box.labelText()) - 24);
  return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QString QtPlatform::choose_file(FileChooser kind, const QString& title, const QString& filter,
                                const QString& suggested_name) {
  finish_reading_font_configuration();
  // Qt's own dialog, so that every label is Japanese whatever the desktop.
  QFileDialog box(QApplication::activeWindow(), title, QDir::currentPath(), filter);
  box.setOption(QFileDialog::DontUseNativeDialog);
  const bool save = kind == FileChooser::Save;
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  box.setLabelText(QFileDialog::LookIn, "場所:");
  box.setLabelText(QFileDialog::FileName, "ファイル名:");
  box.setLabelText(QFileDialog::FileType, "ファイルの種類:");
  box.setLabelText(QFileDialog::Accept, save ? "保存(&S)" : "開く(&O)");
  box.setLabelText(QFileDialog::Reject, "キャンセル");
  // The extension of the file type, added when the name is typed without it.
  const qsizetype star = filter.indexOf("*.");
  if (star >= 0)
    box.setDefaultSuffix(filter.mid(star + 2).section(QRegularExpression("[ )]"), 0, 0));
  if (!suggested_name.isEmpty()) box.selectFile(suggested_name);
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return {};
  return box.selectedFiles().first();
}

int QtPlatform::start_timer(int interval_ms, std::function<void()> tick) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(interval_ms);
  QObject::connect(timer, &QTimer::timeout, qApp, [this, tick] {
    tick();
    windows_.sync_all();
  });
  timer->start();
  timers_[next_timer_] = timer;
  return next_timer_++;
}

void QtPlatform::stop_timer(int id) {
  if (QTimer* timer = timers_.take(id)) timer->deleteLater();
}

void QtPlatform::beep() { QApplication::beep(); }

int QtPlatform::screen_width() {
  return to_twips(QGuiApplication::primaryScreen()->availableGeometry().width());
}

int QtPlatform::screen_height() {
  return to_twips(QGuiApplication::primaryScreen()->availableGeometry().height());
}

bool QtPlatform::acquire_instance_lock() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  lock_ = std::make_unique<InstanceLock>(folder + "/toribe.lock");
  if (!lock_->acquire(100)) return false;
  // A sync from the command line holds the folder for seconds at most.
  folder_lock_ = std::make_unique<InstanceLock>(data_folder_lock_path(QDir::currentPath()));
  folder_lock_->acquire(5000);
  return true;
}

void QtPlatform::show_modal(Form& form) {
  form.show();
  // Qt makes a window modal only when it is shown after being told so: the
  // window is built with its form still hidden, then shown modal.
  const bool shown = form.visible;
  form.visible = false;
  FormWindow& window = windows_.open(form);
  window.hide();
  window.setWindowModality(Qt::ApplicationModal);
  window.closes_on_escape = true;
  form.visible = shown;
  windows_.sync_all();
  // Wait here, as a modal window does, until the form hides itself.
  QEventLoop loop;
  window.on_hidden = [&loop] { loop.quit(); };
  if (form.visible) loop.exec();
  window.on_hidden = nullptr;
  windows_.sync_all();
}

void QtPlatform::show_main(Form& form) {
  main_name_ = form.name();
  form.show();
  // A window copies the description as it is built: only one shown before needs a refresh.
  const bool shown_before = windows_.find(form.name()) != nullptr;
  windows_.open(form);
  if (shown_before) windows_.sync_all();
}

void QtPlatform::show_help() {
  if (!help_) help_ = std::make_unique<HelpWindow>();
  // Asked for from a tool window, the guide belongs to it: the modal tool would
  // otherwise block the guide until it closes, and the window manager keeps the
  // guide above it.
  QWidget* modal = QApplication::activeModalWidget();
  help_->winId();
  if (QWindow* handle = help_->windowHandle())
    handle->setTransientParent(modal ? modal->windowHandle() : nullptr);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

// exit() rather than quit(): quit() asks every window to close, and the main
// window's close asks its question again.
void QtPlatform::quit() { QApplication::exit(0); }

void QtPlatform::notify(const QString& title, const QStringList& lines) {
  // The notice at start comes after the first frame: its module is not part of it.
  after_first_paint(windows_.find(main_name_), [this, title, lines] {
    if (const NoticesFeature* notices = feature_or_tell_once<NoticesFeature>())
      notices->send(title, lines, [this] {
        if (FormWindow* main = windows_.find(main_name_)) {
          main->showNormal();
          main->raise();
          main->activateWindow();
        }
      });
  });
}
