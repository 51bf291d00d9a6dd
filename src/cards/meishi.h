#pragma once
// The business-card window: one card at a time on a drawn card face, paged with
// four buttons; 入力 enters new cards, 変更 changes the one shown, 削除 deletes it.
// The cards are read when the window opens and written when it closes, and only
// when something changed.
#include "core/form.h"
#include "core/quoted_records.h"
#include "core/record_form.h"
#include "settings/module1.h"

class Meishi : public Form {
 public:
  Meishi(Module1& m, Platform& platform);

  void Form_Load();
  void read_dat();
  // False when Meishi.DAT could not be written (the user has been told).
  bool save_dat();
  void dat_dum();
  void dosp_dat();
  void mado_clear();
  // The card boxes' look and lock for entering or changing (true) or browsing.
  void set_editable(bool editable);

  void Command1_Click();  // 登録
  void Command2_Click();  // 戻る
  void Command3_MouseDown(int index);
  void Command4_Click();  // 入力
  void Command5_Click();  // 削除
  void Command6_Click();  // 終了
  void Command7_Click();  // 変更
  void Text_GotFocus(const QString& box);
  void Text_KeyPress(const QString& box, int& key_ascii);
  void Text_Change(const QString& box);

  // The cards and the unreadable lines of the file, kept in place. While
  // has_data is false, slot 0 holds the sample card.
  QuotedRecords card_tbl;
  int card_cnt = 0;
  int card_cur = 0;
  bool has_data = false;
  bool card_dirty = false;
  RecordMode mode = RecordMode::Browse;  // Input enters new cards, Change edits the one shown

 private:
  void create_controls();
  void set_height(bool tall);
  QStringList boxes() const;
  bool editing() const { return mode != RecordMode::Browse; }
  Module1& m_;
};
