// The main window's menu items and toolbar buttons.
#include "core/platform.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

void Toribe::mnujihou_Click() {
  Control& item = c("mnujihou");
  item.checked = !item.checked;
  jihou = item.checked ? 1 : 0;
}

void Toribe::mnu_delmemo_Click() {
  Control& item = c("mnu_delmemo");
  item.checked = !item.checked;
  m.memo_del = item.checked ? 1 : 0;
  save_dat();
}

void Toribe::mnu_law_Click() {
  Control& item = c("mnu_law");
  item.checked = !item.checked;
  set_law_option(m, item.checked);
  disp_calen();
  save_dat();
}

void Toribe::jump_to_today() {
  const QDate today = platform().today();
  // The user-holiday setting mode edits the one year it registered.
  if (yasumi_mode == 1 && today.year() != cur_year) return;
  cur_year = qint16(today.year());
  cur_month = qint16(today.month());
  disp_calen();
}

namespace {

// The menu item each toolbar button stands for; empty for the inert buttons.
const char* const kToolbarItems[27] = {
    "",
    "basdat_disp",
    "mun_numbers",
    "mnu_nengou",
    "mnu_calc",
    "mnu_kansan",
    "mnutimecal",
    "mnu_syuuki",
    "mnu_memo",
    "mnumemoichi",
    "mnu_zouto",
    "mnu_kozu",
    "mnu_meisi",
    "men_jyu",
    "mnukara_day",
    "mnukara2_day",
    "mnu_yasumi",
    "mnuusr_menol",
    "dice",
    "",
    "",
    "",
    "",
    "",
    "today",
    "mnuhow_to",
    "mnuowari",
};

struct ToolOpener {
  const char* item;
  const char* window;
  qint16 Module1::*flag;
};

const ToolOpener kToolOpeners[] = {
    {"basdat_disp", "Baseball", &Module1::flg_bas},
    {"mun_numbers", "number", &Module1::flg_numbers},
    {"mnu_zouto", "Zouto", &Module1::flg_zouto},
    {"mnu_meisi", "Meishi", &Module1::flg_meisi},
    {"mnu_kozu", "Kozukai", &Module1::flg_kozu},
    {"men_jyu", "jyusho", &Module1::flg_jyu},
    {"mnu_nengou", "nengou", &Module1::flg_nengou},
    {"mnu_calc", "Calculator", &Module1::flg_calc},
    {"mnu_kansan", "Calculator", &Module1::flg_kansan},
    {"mnutimecal", "TimeCalc", &Module1::flg_timecal},
    {"mnu_syuuki", "Calculator", &Module1::flg_syuuki},
    {"dice", "Dice", &Module1::flg_dice},
    {"mnuver", "frmAbout", nullptr},
};

}  // namespace

void Toribe::Toolbar1_ButtonClick(int index) {
  if (index >= 1 && index <= 26) menu_click(kToolbarItems[index]);
}

void Toribe::menu_click(const QString& item) {
  for (const ToolOpener& opener : kToolOpeners)
    if (item == opener.item) {
      open_tool(opener.window, opener.flag);
      return;
    }
  if (item == "mnuowari")
    close_main_window();
  else if (item == "mnujihou")
    mnujihou_Click();
  else if (item == "mnu_delmemo")
    mnu_delmemo_Click();
  else if (item == "mnu_law")
    mnu_law_Click();
  else if (item == "mnuhow_to")
    platform().show_help();
  else if (item == "today")
    jump_to_today();
  else if (item == "mnu_memo")
    mnu_memo_Click();
  else if (item == "mnumemoichi")
    mnumemoichi_Click();
  else if (item == "memo_all")
    memo_all_Click();
  else if (item == "mnukara_day")
    mnukara_day_Click();
  else if (item == "mnukara2_day")
    mnukara2_day_Click();
  else if (item == "mnu_yasumi")
    mnu_yasumi_Click();
  else if (item == "mnuusr_menol")
    mnuusr_menol_Click();
  else if (item == "del_ukinen")
    del_ukinen_Click();
}
