// The three memo modes of the main window: entry, list and deletion. Each takes
// over the navigation buttons and the tall window until its own button ends it.
#include <QDate>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "core/dates.h"
#include "core/platform.h"
#include "core/text_file.h"
#include "memo/memo_file.h"
#include "toribe/memo_files.h"
#include "toribe/toribe.h"

namespace {

// The most memos the store takes; a file holding more still loads and saves whole.
constexpr int kMemoLimit = 200;
constexpr int kButtonHeight = 300;

using Mode = Toribe::Mode;

void enter_mode(Toribe& form, Mode mode, const QString& title) {
  form.set_mode = mode;
  form.cap_back = form.cap_str;
  form.cap_str = title;
  form.set_caption();
  form.height = Toribe::kTallHeight;
}

// Buttons before first_enabled are disabled; each relabelled one grows taller.
void take_buttons(Toribe& form, int first_enabled,
                  std::initializer_list<std::pair<int, QString>> labels) {
  for (const auto& [index, caption] : labels) {
    Control& button = form.c("Command13", index);
    button.height = kButtonHeight + 300;
    button.text = caption;
  }
  for (int i = 0; i < first_enabled; ++i) form.c("Command13", i).enabled = false;
  form.c("Text3").visible = false;
}

void leave_mode(Toribe& form) {
  form.set_butan();
  form.cap_str = form.cap_back;
  form.set_caption();
  form.height = Toribe::kNormalHeight;
  form.c("Text1").text.clear();
}

void show_list(Toribe& form, const QStringList& items) {
  Control& list = form.c("List2");
  list.items = items;
  list.selected = -1;
  list.visible = true;
  form.c("Text2").visible = false;
  form.c("Text1").text = QString::number(form.memo_cnt);
}

void hide_list(Toribe& form) {
  Control& list = form.c("List2");
  list.visible = false;
  list.items.clear();
  list.selected = -1;
}

void end_entry(Toribe& form) {
  Control& pane = form.c("Text2");
  pane.visible = false;
  pane.ime = ImeMode::Off;
}

QString refusal_text(const QString& characters) {
  return "「" + characters + "」はメモに保存できない文字のため、入力できません。";
}

}  // namespace

void Toribe::mnu_memo_Click() {
  if (modes_refused()) return;
  if (memo_cnt >= kMemoLimit) {
    // Checked before anything is typed, so no text is lost.
    platform().message(QString("メモは%1件までしか登録できません。\r\n"
                               "「登録済みメモ削除」で不要なメモを削除してから入力してください。")
                           .arg(kMemoLimit));
    return;
  }
  enter_mode(*this, Mode::MemoEntry, "メモ帳");
  c("Text2").visible = true;
  take_buttons(*this, 2, {{4, "中止"}, {5, "登録"}});
  set_focus("Text2");
  c("Text2").text.clear();
  c("Text1").text = "入力する日付を選択してください。";
  c("Text2").ime = ImeMode::Hiragana;
}

void Toribe::mnumemoichi_Click() {
  if (modes_refused()) return;
  enter_mode(*this, Mode::MemoList, "登録済みメモ一覧");
  show_list(*this, memo_txt.mid(1, memo_cnt));
  take_buttons(*this, 5, {{5, "終了"}});
}

void Toribe::memo_all_Click() {
  if (modes_refused()) return;
  enter_mode(*this, Mode::MemoDeletion, "メモ削除");
  QStringList items;
  for (int slot = 1; slot < memo_line.size() && !memo_line[slot].isEmpty(); ++slot)
    items.append(memo_line[slot]);
  deletion_memos = memos_behind_lines(items, memo_txt.mid(1, memo_cnt));
  show_list(*this, items);
  take_buttons(*this, 4, {{4, "中止"}, {5, "終了"}});
}

void Toribe::List2_Click() {
  if (set_mode != Mode::MemoDeletion && set_mode != Mode::AnniversaryDeletion) return;
  Control& list = c("List2");
  if (list.selected < 0 || list.selected >= list.items.size()) return;
  const QString removed = list.items[list.selected];
  auto free_slot = std::find(del_back.begin(), del_back.end(), QString());
  if (free_slot == del_back.end()) {
    std::move(del_back.begin() + 1, del_back.end(), del_back.begin());
    free_slot = del_back.end() - 1;
  }
  *free_slot = removed;
  if (set_mode == Mode::MemoDeletion && list.selected < deletion_memos.size())
    deletion_memos.removeAt(list.selected);
  list.items.removeAt(list.selected);
  list.selected = -1;
}

void Toribe::Text2_Change() {
  Control& pane = c("Text2");
  const QString refused = take_out_unsaveable(pane.text);
  if (refused.isEmpty()) return;
  platform().message(refusal_text(refused));
}

void Toribe::memo_Command13(int index) {
  switch (set_mode) {
    case Mode::MemoEntry:
      if (index == 2) {
        // Within the displayed year: January steps back to December.
        cur_month = cur_month == 1 ? 12 : cur_month - 1;
        disp_calen();
      } else if (index == 3) {
        cur_month = cur_month == 12 ? 1 : cur_month + 1;
        disp_calen();
      } else if (index == 4) {
        leave_mode(*this);
        end_entry(*this);
      } else if (index == 5) {
        const QString text = c("Text2").text;
        if (const QString refused = cp932_unsaveable(text); !refused.isEmpty()) {
          platform().message(refusal_text(refused));
          return;  // the mode stays, so the text can be mended
        }
        leave_mode(*this);
        end_entry(*this);
        if (!text.isEmpty()) {
          if (memo_date.isEmpty()) {
            // Today's day in the displayed month, or that month's last day when
            // it is shorter: a key must always name a real date.
            const int last_day = QDate(cur_year, cur_month, 1).daysInMonth();
            memo_date = date_key(cur_year, cur_month, std::min(platform().today().day(), last_day));
          }
          QStringList memos = memo_txt.mid(1, memo_cnt);
          memos.append(memo_date + text);
          store_memo_file(*this, platform(), full_form_file(memos));
        }
        c("Text1").text.clear();
      }
      break;
    case Mode::MemoList:
      if (index == 5) {
        leave_mode(*this);
        hide_list(*this);
      }
      break;
    case Mode::MemoDeletion:
      if (index == 4) {
        leave_mode(*this);
        hide_list(*this);
      } else if (index == 5) {
        const QStringList kept = deletion_memos;
        leave_mode(*this);
        hide_list(*this);
        store_memo_file(*this, platform(), full_form_file(kept));
      }
      break;
    default:
      break;
  }
}
