#include "core/sort_order.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {

QCollator make_list_collator() {
  QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  collator.setNumericMode(false);
  collator.setIgnorePunctuation(false);  // blanks and slashes take part
  return collator;
}

// Opening a collator is costly and a single comparison is frequent; each thread
// keeps one (the collator is not safe to share between threads).
const QCollator& list_collator() {
  thread_local const QCollator collator = make_list_collator();
  return collator;
}

}  // namespace

bool list_less(const QString& a, const QString& b) { return list_collator().compare(a, b) < 0; }

void list_sort(QStringList& items) {
  const QCollator& collator = list_collator();
  const auto less = [&collator](const QString& a, const QString& b) {
    return collator.compare(a, b) < 0;
  };
  // The program writes its lists in order, so a file read back is usually sorted
  // already: one pass over it is a fraction of a sort's comparisons.
  if (std::is_sorted(items.begin(), items.end(), less)) return;
  std::stable_sort(items.begin(), items.end(), less);
}
