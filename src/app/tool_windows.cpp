#include "app/tool_windows.h"

#include "about/about.h"
#include "address/jyusho.h"
#include "baseball/baseball.h"
#include "calculator/calc_form.h"
#include "cards/meishi.h"
#include "gifts/zouto.h"
#include "ledger/kozukai.h"
#include "tools/dice.h"
#include "tools/nengou.h"
#include "tools/numbers.h"
#include "tools/time_calc.h"

std::unique_ptr<Form> make_tool_window(const QString& window_name, Module1& m, Platform& platform) {
  (void)window_name;
  (void)m;
  (void)platform;
  if (window_name == "TimeCalc") return std::make_unique<TimeCalc>(m, platform);
  if (window_name == "nengou") return std::make_unique<nengou>(m, platform);
  if (window_name == "number") return std::make_unique<number>(m, platform);
  if (window_name == "Dice") return std::make_unique<Dice>(m, platform);
  if (window_name == "frmAbout") return std::make_unique<frmAbout>(platform);
  if (window_name == "Meishi") return std::make_unique<Meishi>(m, platform);
  if (window_name == "Baseball") return std::make_unique<Baseball>(m, platform);
  if (window_name == "jyusho") return std::make_unique<Jyusho>(m, platform);
  if (window_name == "Calculator") return std::make_unique<Calculator>(m, platform);
  if (window_name == "Kozukai") return std::make_unique<Kozukai>(m, platform);
  if (window_name == "Zouto") return std::make_unique<Zouto>(platform);
  return nullptr;
}
