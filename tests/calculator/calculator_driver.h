#pragma once
// Drives the Calculator window as the main window's opener and a person would:
// sets the face flag, shows the window, presses keys by their captions.
#include <QStringList>
#include <map>

#include "settings/module1.h"
#include "calculator/calculator_form.h"
#include "core/scripted_platform.h"

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
  // Keys by caption, blank-separated: digits, ".", "+", "-", "*", "/", "=", "C", "CE",
  // "+-", "M+", "M-", "MC", "sqrt", "%"; in the periodic face "show" is the point key.
  void press(const QString& keys) {
    static const std::map<QString, QString> kNames{
        {"+", "Command2"},   {"-", "Command3"},   {"=", "Command4"},   {"*", "Command5"},
        {"/", "Command6"},   {"C", "Command7"},   {"CE", "Command8"},  {"+-", "Command9"},
        {"M+", "Command10"}, {"M-", "Command11"}, {"MC", "Command12"}, {"sqrt", "Command13"},
        {"%", "Command14"}};
    for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
      if (key.size() == 1 && key[0].isDigit())
        click("Command1", key.toInt());
      else if (key == "." || key == "show")
        click("Command1", 10);
      else
        click(kNames.at(key));
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
