#pragma once
// Drives the Calculator window as the main window's opener and a person would
// (sets the face flag, shows the window, presses keys by their captions), or
// its engine alone.
#include <QStringList>
#include <map>
#include <vector>

#include "calculator/calc_form.h"
#include "core/scripted_platform.h"
#include "settings/module1.h"

// Keys by caption, blank-separated: digits, ".", "+", "-", "*", "/", "=", "C", "CE",
// "+-", "M+", "M-", "MC", "sqrt", "%"; in the periodic face "show" is the point key.
inline std::vector<CalcKey> keys_of(const QString& keys) {
  static const std::map<QString, CalcKey> kKeys{
      {".", CalcKey::Point},        {"show", CalcKey::Point},    {"+", CalcKey::Add},
      {"-", CalcKey::Subtract},     {"=", CalcKey::Equals},      {"*", CalcKey::Multiply},
      {"/", CalcKey::Divide},       {"C", CalcKey::Clear},       {"CE", CalcKey::ClearEntry},
      {"+-", CalcKey::Sign},        {"M+", CalcKey::MemoryPlus}, {"M-", CalcKey::MemoryMinus},
      {"MC", CalcKey::MemoryClear}, {"sqrt", CalcKey::Root},     {"%", CalcKey::Percent}};
  std::vector<CalcKey> sequence;
  for (const QString& key : keys.split(' ', Qt::SkipEmptyParts))
    sequence.push_back(key.size() == 1 && key[0].isDigit() ? CalcKey(key.toInt()) : kKeys.at(key));
  return sequence;
}

// Presses keys on the engine alone, gathering the message boxes it asks for.
struct EngineDriver {
  CalcEngine engine;
  QStringList messages;
  explicit EngineDriver(CalcFace face) { engine.start(face); }
  void press(const QString& keys) {
    for (CalcKey key : keys_of(keys)) {
      engine.press(key);
      if (!engine.message().isEmpty()) messages << engine.message();
    }
  }
};

struct CalculatorDriver {
  Module1 m;
  ScriptedPlatform platform;
  Calculator form{m, platform};

  void open(qint16 Module1::*flag) {
    m.*flag = 1;
    platform.show_modal(form);
  }
  void close() {
    Event event;
    event.type = Event::QueryUnload;
    event.name = "Calculator";
    form.dispatch(event);
  }
  void click(const QString& name, int index = -1) {
    Event event;
    event.type = Event::Click;
    event.name = name;
    event.index = index;
    form.dispatch(event);
  }
  void press(const QString& keys) {
    for (CalcKey key : keys_of(keys)) {
      const int k = static_cast<int>(key);
      if (key <= CalcKey::Point)
        click("Command1", k);
      else
        click(QString("Command%1").arg(k - static_cast<int>(CalcKey::Add) + 2));
    }
  }
  void choose_source(int list_index) {
    form.c("Combo1").selected = list_index;
    form.c("Combo1").text = form.c("Combo1").items.value(list_index);
    click("Combo1");
  }
  void choose_target(int option) {
    for (int i = 0; i <= 9; ++i) form.c("Option1", i).checked = i == option;
    click("Option1", option);
  }
  QString text(const QString& name) const { return form.c(name).text; }
  QStringList messages() const {
    QStringList texts;
    for (const ShownMessage& shown : platform.shown) texts << shown.text;
    return texts;
  }
};
