#pragma once
// The address book: one record at a time in eight boxes, stepped through, picked
// from a list of names, added, changed and deleted, and kept in Address.DAT.
// Records are read however many the file holds; lines that are no record stay in
// the file in their place.
#include "address/jyusho_file.h"
#include "core/form.h"
#include "core/record_form.h"
#include "settings/module1.h"

class Jyusho : public Form {
 public:
  static constexpr int kFieldCount = kAddressFields;
  static constexpr int kLimit = kAddressLimit;
  // The boxes in the file's field order: name, postal code, address 1 and 2,
  // telephone 1 and 2, fax, e-mail.
  static const char* const kBoxes[kFieldCount];

  Jyusho(Module1& m, Platform& platform);

  void Form_Load();
  void read_dat();
  // Writes the file when something changed; false when it could not be written.
  bool save_dat();
  void disp_data();
  void write_ok();
  void write_end();
  void henkou_ok();

  void Command1_Click(int index);
  void Command2_Click();  // 入力
  void Command3_Click();  // 登録
  void Command4_Click();  // 変更
  void Command5_Click();  // 削除
  void Command6_Click();  // 一覧
  void Command7_Click();  // 戻る
  void Command8_Click();  // 終了
  void List1_MouseDown();
  void Text_KeyPress(const QString& box, int& key_ascii);
  void Text_Change(const QString& box);

  // Record k (1..adr_cnt) is book.records[k - 1], its fields in the boxes' order.
  QuotedRecords book;
  int adr_cnt = 0;
  int adr_cur = 0;
  RecordMode mode = RecordMode::Browse;  // Input adds records, Change edits the one shown
  bool adr_dirty = false;

 private:
  void create_controls();
  void set_editing(bool editing);
  bool browsing() const { return mode == RecordMode::Browse; }
  Module1& m_;
  bool quote_noted_ = false;  // the note on double quotes is shown once an opening
};
