// The calculator from the keyboard: each key stands for the keypad key a person
// would press, and does nothing where that key is disabled or hidden.
#include "calculator/calculator_form.h"

void Calculator::keyboard_key(int& key_ascii) {
  QString name;
  int index = -1;
  if (key_ascii >= '0' && key_ascii <= '9') {
    name = "Command1";
    index = key_ascii - '0';
  } else {
    switch (key_ascii) {
      case '.':
        name = "Command1";
        index = 10;
        break;
      case '+':
        name = "Command2";
        break;
      case '-':
        name = "Command3";
        break;
      case '\r':
      case '=':
        name = "Command4";
        break;
      case '*':
        name = "Command5";
        break;
      case '/':
        name = "Command6";
        break;
      case 27:  // Escape
        name = "Command7";
        break;
      case 8:  // Backspace
        name = "Command8";
        break;
      default:
        return;
    }
  }
  const Control& key = c(name, index);
  const bool usable = key.enabled && key.visible;
  // Escape with "Ｃ" out of use leaves the window instead.
  if (key_ascii == 27 && !usable) return;
  key_ascii = 0;
  if (!usable) return;
  Event click{Event::Click, name};
  click.index = index;
  handle(click);
}
