#pragma once
// The order of a sorted list box: the Japanese locale's text comparison,
// ignoring letter case. Blanks come before digits, so zero-padded date keys and
// right-aligned amounts sort as numbers.
#include <QString>
#include <QStringList>

// Strict weak order; texts differing only in letter case (or in kana type or
// character width) compare equal.
bool list_less(const QString& a, const QString& b);

// Stable ascending sort by list_less: equal texts keep their order.
void list_sort(QStringList& items);
