// The calculator from the keyboard: each key stands for the keypad key a person
// would press, and does nothing where that key is disabled or hidden.
#include <algorithm>
#include <iterator>

#include "calculator/calc_form.h"

namespace {

constexpr int kEscape = 27, kBackspace = 8;

struct TypedKey {
  int ascii;
  const char* button;
};

constexpr TypedKey kTypedKeys[] = {
    {'+', "Command2"}, {'-', "Command3"}, {'\r', "Command4"},    {'=', "Command4"},
    {'*', "Command5"}, {'/', "Command6"}, {kEscape, "Command7"}, {kBackspace, "Command8"},
};

}  // namespace

void Calculator::keyboard_key(int& key_ascii) {
  QString name = "Command1";
  int index = -1;
  if (key_ascii >= '0' && key_ascii <= '9') {
    index = key_ascii - '0';
  } else if (key_ascii == '.') {
    index = 10;
  } else {
    const auto* typed = std::find_if(std::begin(kTypedKeys), std::end(kTypedKeys),
                                     [&](const TypedKey& k) { return k.ascii == key_ascii; });
    if (typed == std::end(kTypedKeys)) return;
    name = typed->button;
  }
  const Control& key = c(name, index);
  const bool usable = key.enabled && key.visible;
  // Escape with "Ｃ" out of use leaves the window instead.
  if (key_ascii == kEscape && !usable) return;
  key_ascii = 0;
  if (!usable) return;
  Event click{Event::Click, name};
  click.index = index;
  dispatch(click);
}
