#pragma once
// The search folder: the one search over every data file, and the days-ahead reminder; no window.
// Text compared the way a Japanese reader compares it: NFKC with case folding
// (ＡＢＣ and abc, ｽﾞ and ズ are the same), then katakana read as hiragana.
//
// Example: "ｽｽﾞｷ", "スズキ" and "すずき" all fold to "すずき".
#include <QString>
#include <QStringList>

QString fold_for_search(const QString& text);

// The query's words, folded: blanks of either width separate them.
QStringList query_words(const QString& query);
