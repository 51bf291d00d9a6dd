// The checking commands of a scenario: properties, message boxes, files, windows.
#include <QApplication>
#include <QFile>

#include "core/text_file.h"
#include "properties.h"
#include "runner.h"
#include "runner_text.h"

QString Runner::expect(const std::vector<Word>& w, const Command& command) {
  const auto arg = [&](size_t i) { return i < w.size() ? w[i].text : QString(); };
  const QString what = arg(1);
  if (what == "message" && w.size() == 3 && w[2].text == "message" && !w[2].quoted) return {};
  if (what == "no" && arg(2) == "message") {
    for (const ShownMessage& shown : platform_->shown)
      if (!shown.checked)
        return fail("no unchecked message", (shown.chooser ? "file chooser " + quoted(shown.title)
                                             : shown.input ? "input box " + quoted(shown.text)
                                                           : "message box " + quoted(shown.text)));
    return {};
  }
  if (what == "no" && arg(2) == "notice") {
    for (const ShownNotice& notice : platform_->notices)
      if (!notice.checked) return fail("no unchecked notice", "notice " + quoted(notice.body));
    return {};
  }
  if (what == "notice" && w.size() == 3 && w[2].quoted) {
    for (ShownNotice& notice : platform_->notices)
      if (!notice.checked) {
        notice.checked = true;
        return notice.body == w[2].text ? QString()
                                        : fail("notice " + quoted(w[2].text), quoted(notice.body));
      }
    return fail("notice " + quoted(w[2].text), "no notice");
  }
  if (what == "keyring" && w.size() == 4) {
    const auto held = platform_->keyring.find(arg(2));
    // A keyring that does not answer holds nothing.
    const bool none = !platform_->keyring_answers || held == platform_->keyring.end();
    const QString found = none ? QString("none") : quoted(held->second);
    const QString expected = w[3].quoted ? quoted(w[3].text) : w[3].text;
    if (!w[3].quoted && expected != "none") return "expect keyring takes KEY \"TEXT\" or none";
    return found == expected ? QString() : fail("keyring " + arg(2) + " " + expected, found);
  }
  if (what == "trust" && w.size() == 3 && w[2].quoted) {
    for (TrustQuestion& question : platform_->trust_questions)
      if (!question.checked) {
        question.checked = true;
        return question.fingerprint == w[2].text
                   ? QString()
                   : fail("trust " + quoted(w[2].text), quoted(question.fingerprint));
      }
    return fail("trust " + quoted(w[2].text), "no certificate question");
  }
  if (what == "message" && w.size() >= 3 && w[2].quoted) return expect_box(false, w);
  if (what == "input" && w.size() >= 3 && w[2].quoted) return expect_box(true, w);
  if (what == "chooser" && w.size() == 3 && w[2].quoted) {
    for (ShownMessage& shown : platform_->shown)
      if (!shown.checked && shown.chooser) {
        shown.checked = true;
        return shown.title == w[2].text
                   ? QString()
                   : fail("file chooser " + quoted(w[2].text), quoted(shown.title));
      }
    return fail("file chooser " + quoted(w[2].text), "none");
  }
  if (what == "beeps") {
    const int n = arg(2).toInt();
    return platform_->beeps == n
               ? QString()
               : fail(QString("%1 beeps").arg(n), QString::number(platform_->beeps));
  }
  if (what == "file" || what == "nofile") return expect_file(w, command);
  if (what == "printed") return expect_printed(w);
  if (what == "window") {
    FormWindow* window = windows_ ? windows_->find(arg(2)) : nullptr;
    const bool open = window && window->isVisible() && running_;
    if (arg(3) != "open" && arg(3) != "closed") return "expect window takes open or closed";
    const bool want = arg(3) == "open";
    return open == want ? QString() : fail(arg(2) + " " + arg(3), open ? "open" : "closed");
  }
  if (what == "running") {
    const bool want = arg(2) == "true";
    return running_ == want ? QString() : fail("running " + arg(2), running_ ? "true" : "false");
  }
  if (w.size() == 4 && (arg(2) == "=" || arg(2) == "!="))
    return expect_property(what, arg(2), w[3]);
  return "cannot read this expect line";
}

QString Runner::expect_property(const QString& ref_prop, const QString& op, const Word& value) {
  const qsizetype dot = ref_prop.lastIndexOf('.');
  if (dot < 0) return "expect takes WINDOW.CONTROL.PROP or WINDOW.PROP";
  const QString ref = ref_prop.left(dot);
  const QString prop = ref_prop.mid(dot + 1);
  Target target;
  if (QString error = find(ref, target); !error.isEmpty()) return error;
  std::optional<Shown> shown;
  const bool window = !target.widget && !target.action;
  if (window)
    shown = window_property(target.window, prop);
  else if (target.action)
    shown = action_property(target.action, prop);
  else
    shown = widget_property(target.widget, prop);
  if (!shown) return QString("%1 has no property %2").arg(ref, prop);

  bool equal = false;
  if (value.quoted) {
    equal = shown->type == Shown::Text ? shown->text == value.text
                                       : to_value_text(*shown) == value.text;
  } else if (value.text == "true" || value.text == "false") {
    equal = shown->type == Shown::Bool && shown->number == (value.text == "true");
  } else if (value.text == "system" || value.text.count(',') == 2) {
    QColor colour;
    if (value.text == "system") {
      const QPalette::ColorRole role = prop == "fore" ? QPalette::ButtonText : QPalette::Window;
      colour = QApplication::palette().color(role);
    } else {
      const QStringList parts = value.text.split(',');
      colour = QColor(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
    }
    equal = shown->type == Shown::Colour && shown->r == colour.red() &&
            shown->g == colour.green() && shown->b == colour.blue();
  } else {
    bool ok = false;
    const int number = value.text.toInt(&ok);
    if (!ok) return "cannot read the value " + value.text;
    const bool geometry = QStringList{"left", "top", "width", "height"}.contains(prop);
    equal = shown->type == Shown::Integer &&
            (geometry ? std::abs(shown->number - number) <= 15 : shown->number == number);
  }
  const QString expected_text = value.quoted ? quoted(value.text) : value.text;
  if (op == "=" && !equal) return fail(ref_prop + " = " + expected_text, to_value_text(*shown));
  if (op == "!=" && equal) return fail(ref_prop + " != " + expected_text, to_value_text(*shown));
  return {};
}

QString Runner::expect_box(bool input, const std::vector<Word>& w) {
  ShownMessage* oldest = nullptr;
  for (ShownMessage& shown : platform_->shown)
    if (!shown.checked && !shown.chooser && shown.input == input) {
      oldest = &shown;
      break;
    }
  const QString kind = input ? "input box" : "message box";
  if (!oldest) return fail(kind + " " + quoted(w[2].text), "none");
  oldest->checked = true;
  QString found = quoted(oldest->text) + " title " + quoted(oldest->title);
  if (!input)
    found += " icon " + icon_name(oldest->icon) + " buttons " + buttons_name(oldest->buttons);
  else
    found += " default " + quoted(oldest->default_text);
  bool match = oldest->text == w[2].text;
  for (size_t i = 3; i + 1 < w.size(); i += 2) {
    const QString key = w[i].text, value = w[i + 1].text;
    if (key == "title")
      match = match && oldest->title == value;
    else if (key == "icon" && !input)
      match = match && icon_name(oldest->icon) == value;
    else if (key == "buttons" && !input)
      match = match && buttons_name(oldest->buttons) == value;
    else if (key == "default" && input)
      match = match && oldest->default_text == value;
    else
      return "cannot read this expect line at " + key;
  }
  if ((w.size() - 3) % 2) return "cannot read this expect line";
  QString expected = quoted(w[2].text);
  for (size_t i = 3; i < w.size(); ++i)
    expected += " " + (w[i].quoted ? quoted(w[i].text) : w[i].text);
  return match ? QString() : fail(kind + " " + expected, found);
}

QString Runner::expect_file(const std::vector<Word>& w, const Command& command) {
  const auto arg = [&](size_t i) { return i < w.size() ? w[i].text : QString(); };
  const QString name = arg(2);
  QFile file(path(name));
  const bool exists = file.exists();
  if (arg(1) == "nofile") return exists ? fail("no file " + name, "the file") : QString();
  if (!exists || !file.open(QIODevice::ReadOnly)) return fail("file " + name, "no such file");
  const QByteArray bytes = file.readAll();
  if (command.has_block) {
    QString expected;
    for (const QString& line : command.block) expected += line + "\r\n";
    const QString found = from_cp932(bytes);
    if (found == expected) return {};
    const QStringList found_lines = found.split("\r\n");
    for (qsizetype i = 0; i < command.block.size(); ++i)
      if (i >= found_lines.size() || found_lines[i] != command.block[i])
        return fail(QString("line %1 of %2 = %3").arg(i + 1).arg(name, quoted(command.block[i])),
                    i < found_lines.size() ? quoted(found_lines[i]) : QString("no such line"));
    return fail(QString("%1 lines in %2").arg(command.block.size()).arg(name), quoted(found));
  }
  const QStringList lines = *read_lines(path(name));
  if (arg(3) == "line" && arg(5) == "=" && w.size() == 7) {
    const int k = arg(4).toInt();
    if (k < 1 || k > lines.size())
      return fail(QString("line %1 of %2").arg(k).arg(name), QString("%1 lines").arg(lines.size()));
    return lines[k - 1] == w[6].text
               ? QString()
               : fail(QString("line %1 of %2 = %3").arg(k).arg(name, quoted(w[6].text)),
                      quoted(lines[k - 1]));
  }
  if (arg(3) == "lines" && w.size() == 5) {
    const int n = arg(4).toInt();
    return lines.size() == n
               ? QString()
               : fail(QString("%1 lines in %2").arg(n).arg(name), QString::number(lines.size()));
  }
  if (arg(3) == "bytes" && w.size() >= 5) {
    QString hex;
    for (size_t i = 4; i < w.size(); ++i) hex += w[i].text;
    const auto expected = from_hex(hex);
    if (!expected) return "cannot read the bytes " + hex;
    return bytes == *expected ? QString()
                              : fail(name + " bytes " + expected->toHex(' ').toUpper(),
                                     bytes.toHex(' ').toUpper());
  }
  return "cannot read this expect file line";
}

// Our own: expect printed "TITLE" pages N [text "T" ...] [boxes K]: the oldest print preview
// not yet checked showed N pages under that title, each T stands on one of them, and the
// pages draw K box outlines in all.
QString Runner::expect_printed(const std::vector<Word>& w) {
  const auto arg = [&](size_t i) { return i < w.size() ? w[i].text : QString(); };
  if (arg(3) != "pages") return "expect printed takes \"TITLE\" pages N [text \"T\" ...]";
  auto printed = std::find_if(platform_->printed.begin(), platform_->printed.end(),
                              [](const auto& p) { return !p.checked; });
  if (printed == platform_->printed.end()) return fail("a print preview", "none");
  printed->checked = true;
  const PaperDocument& doc = printed->document;
  const QString found = quoted(doc.title) + QString(" pages %1").arg(doc.pages.size());
  if (doc.title != arg(2) || int(doc.pages.size()) != arg(4).toInt())
    return fail(quoted(arg(2)) + " pages " + arg(4), found);
  for (size_t i = 5; i + 1 < w.size(); i += 2) {
    if (w[i].text == "boxes" && !w[i].quoted) {
      size_t boxes = 0;
      for (const Page& page : doc.pages) boxes += page.boxes.size();
      if (boxes != w[i + 1].text.toULongLong())
        return fail("boxes " + w[i + 1].text, QString("boxes %1").arg(boxes));
      continue;
    }
    bool shown = false;
    for (const Page& page : doc.pages)
      for (const PageText& text : page.texts) shown = shown || text.text == w[i + 1].text;
    if (!shown) return fail("text " + quoted(w[i + 1].text), "not on the pages");
  }
  return {};
}
