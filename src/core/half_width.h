#pragma once
// Full-width to half-width, for entries typed with the input method on.
#include <QString>

// Full-width ASCII forms (U+FF01..U+FF5E) and the ideographic blank become
// ASCII; full-width katakana become half-width katakana, a voiced one split into
// its base and the sound mark (ガ -> ｶﾞ); 。「」、・ー and the sound marks become
// their half-width forms. Katakana without a half-width form (ヰ, ヱ, ヵ, ヶ, small
// ヮ) and every other character are kept.
QString to_half_width(const QString& text);
