#include "search/folding.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace {

const icu::Normalizer2* nfkc_casefold() {
  static const icu::Normalizer2* const instance = [] {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* n = icu::Normalizer2::getNFKCCasefoldInstance(status);
    return U_SUCCESS(status) ? n : nullptr;
  }();
  return instance;
}

// ァ..ヶ and the iteration marks ヽヾ sit 0x60 above their hiragana.
char16_t hiragana_of(char16_t c) {
  if ((c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE) return char16_t(c - 0x60);
  return c;
}

bool plain_ascii(const QString& text) {
  for (QChar c : text)
    if (c.unicode() >= 0x80) return false;
  return true;
}

}  // namespace

QString fold_for_search(const QString& text) {
  QString folded;
  const icu::Normalizer2* normaliser = nfkc_casefold();
  if (plain_ascii(text) || !normaliser) {
    folded = text.toLower();
  } else {
    const icu::UnicodeString source(false, reinterpret_cast<const UChar*>(text.utf16()),
                                    int32_t(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString result = normaliser->normalize(source, status);
    if (U_FAILURE(status)) return text.toLower();
    folded = QString(reinterpret_cast<const QChar*>(result.getBuffer()), result.length());
  }
  for (QChar& c : folded) c = QChar(hiragana_of(c.unicode()));
  return folded;
}

QStringList query_words(const QString& query) {
  // Folding turns the full-width blank into a plain one.
  return fold_for_search(query).simplified().split(QChar(u' '), Qt::SkipEmptyParts);
}
