#include "app/tool_windows.h"

#include <type_traits>

#include "about/about.h"
#include "address/jyusho.h"
#include "baseball/baseball.h"
#include "calculator/calc_form.h"
#include "cards/meishi.h"
#include "gifts/zouto.h"
#include "kensaku/kensaku.h"
#include "koyomi/koyomi.h"
#include "ledger/kozukai.h"
#include "tools/dice.h"
#include "tools/nengou.h"
#include "tools/numbers.h"
#include "tools/time_calc.h"
#include "toribe/toribe.h"

namespace {

template <class F>
std::unique_ptr<Form> make(Module1& m, Platform& platform) {
  if constexpr (std::is_constructible_v<F, Module1&, Platform&>)
    return std::make_unique<F>(m, platform);
  else
    return std::make_unique<F>(platform);
}

struct ToolWindow {
  const char* name;
  std::unique_ptr<Form> (*make)(Module1&, Platform&);
};

// Every tool window by the name the main window opens it with, one a line.
// clang-format off
const ToolWindow kToolWindows[] = {
    {"TimeCalc", make<TimeCalc>},
    {"nengou", make<Nengou>},
    {"number", make<Number>},
    {"Dice", make<Dice>},
    {"frmAbout", make<FrmAbout>},
    {"Meishi", make<Meishi>},
    {"Baseball", make<Baseball>},
    {"jyusho", make<Jyusho>},
    {"Calculator", make<Calculator>},
    {"Kozukai", make<Kozukai>},
    {"Zouto", make<Zouto>},
    {"Koyomi", make<Koyomi>},
};
// clang-format on

}  // namespace

std::unique_ptr<Form> make_tool_window(const QString& window_name, Module1& m, Platform& platform,
                                       Toribe* main_window) {
  if (window_name == "Kensaku")
    return std::make_unique<Kensaku>(m, platform, [main_window](const SearchRecord& record) {
      if (main_window) main_window->show_found(record);
    });
  for (const ToolWindow& window : kToolWindows)
    if (window_name == window.name) return window.make(m, platform);
  return nullptr;
}

QStringList tool_window_names() {
  QStringList names{"Kensaku"};
  for (const ToolWindow& window : kToolWindows) names << window.name;
  return names;
}
