#pragma once
// The ten boxes of the card face, in field order, which is also the order Enter
// moves through while entering.
#include "cards/meishi_file.h"

struct CardBox {
  const char* name;
  int max_length;  // characters
  const char* prompt;
};

inline constexpr CardBox kCardBoxes[kCardFields] = {
    {"Text1", 20, "会社名を入力して下さい。"},
    {"Text2", 40, "部課名を入力して下さい。"},
    {"Text3", 12, "役職名を入力して下さい。"},
    {"Text4", 12, "名前を入力して下さい。"},
    {"Text14", 10, "郵便番号を入力して下さい。"},
    {"Text5", 40, "所在地を入力して下さい。"},
    {"Text6", 16, "電話番号１を入力して下さい。"},
    {"Text7", 16, "電話番号２を入力して下さい。"},
    {"Text8", 16, "ＦＡＸ１を入力して下さい。"},
    {"Text13", 30, "Ｅ－Ｍａｉｌアドレスを入力して下さい。"},
};

// Field number of a box name; -1 when it is none of the ten.
inline int card_box_index(const QString& name) {
  for (int i = 0; i < kCardFields; ++i)
    if (name == QLatin1String(kCardBoxes[i].name)) return i;
  return -1;
}
