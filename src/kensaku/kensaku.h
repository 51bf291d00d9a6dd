#pragma once
// The kensaku folder: the search window.
// The search window: a box, the results as the typing goes, a count line, 開く and
// 戻る. The data files are read once, when the window opens; opening a result
// closes the window and hands the record to whoever shows its place.
#include <functional>
#include <vector>

#include "core/form.h"
#include "search/search.h"
#include "settings/module1.h"

class Kensaku : public Form {
 public:
  using ShowPlace = std::function<void(const SearchRecord&)>;
  Kensaku(Module1& m, Platform& platform, ShowPlace show_place = {});

  void Form_Load();
  void Text1_Change();
  void Text1_KeyPress(int& key_ascii);
  void Text1_KeyDown(int& key_code, int shift);
  void List1_DblClick();
  void List1_KeyPress(int& key_ascii);
  void Command1_Click();  // 開く
  void Command2_Click();  // 戻る

  std::vector<SearchRecord> records;
  SearchResults results;

 protected:
  // The records are read again at the next opening: nothing stale is kept.
  void on_unload() override {
    records.clear();
    results = {};
  }

 private:
  void create_controls();
  void open_selected();
  Module1& m_;
  ShowPlace show_place_;
};
