#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// Enough digits to hold the exact decimal expansion of any double (the longest
// needs 767 significant digits), so rounding sees the true value.
constexpr int kExactDigits = 780;

QString general_form(double v, int precision) {
  if (std::isnan(v)) return QStringLiteral("NaN");
  if (std::isinf(v)) return v < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
  if (v == 0) return QStringLiteral("0");  // also -0

  char buffer[kExactDigits + 16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v),
                                    std::chars_format::scientific, kExactDigits);
  const std::string_view exact(buffer, result.ptr - buffer);  // d.ddd...e+XX
  const auto e_pos = exact.find('e');
  std::string digits(1, exact[0]);
  digits.append(exact.substr(2, e_pos - 2));
  std::string_view exponent_text = exact.substr(e_pos + 1);
  if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);

  // Round half away from zero to the precision; a carry out of the first digit
  // moves the exponent, so 9.9999995 becomes 10.
  const bool round_up = digits[precision] >= '5';
  digits.resize(precision);
  if (round_up) {
    int i = precision - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = v < 0 ? "-" : "";
  const int count = static_cast<int>(digits.size());
  if (exponent < -4 || exponent >= precision) {
    text += digits[0];
    if (count > 1) text += "." + digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(std::abs(exponent));
    if (magnitude.size() < 2) text += '0';
    text += magnitude;
  } else if (exponent < 0) {
    text += "0." + std::string(-exponent - 1, '0') + digits;
  } else if (count <= exponent + 1) {
    text += digits + std::string(exponent + 1 - count, '0');
  } else {
    text += digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
  }
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString signed_form(const QString& general) {
  if (general.startsWith(QLatin1String("0."))) return QLatin1Char(' ') + general.mid(1);
  if (general.startsWith(QLatin1String("-0."))) return QLatin1Char('-') + general.mid(2);
  if (general.startsWith(QLatin1Char('-'))) return general;
  return QLatin1Char(' ') + general;
}

bool is_digit_at(const QString& text, qsizetype i) {
  return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

}  // namespace

QString general_text(float v) { return general_form(static_cast<double>(v), kSingleDigits); }

QString general_text(double v) { return general_form(v, kDoubleDigits); }

QString signed_text(float v) { return signed_form(general_text(v)); }

QString signed_text(double v) { return signed_form(general_text(v)); }

double text_to_number(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  std::string number;
  bool has_digit = false;
  while (is_digit_at(text, i)) {
    number += static_cast<char>(text[i++].unicode());
    has_digit = true;
  }
  if (i < text.size() && text[i] == QLatin1Char('.')) {
    number += '.';
    ++i;
    while (is_digit_at(text, i)) {
      number += static_cast<char>(text[i++].unicode());
      has_digit = true;
    }
  }
  if (!has_digit) return 0;

  // An exponent letter counts only when digits follow it ("1E" reads 1).
  if (i < text.size() && QStringLiteral("EeDd").contains(text[i])) {
    qsizetype j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
      exponent += static_cast<char>(text[j++].unicode());
    }
    if (is_digit_at(text, j)) {
      while (is_digit_at(text, j)) exponent += static_cast<char>(text[j++].unicode());
      number += exponent;
    }
  }

  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc()) return 0;  // beyond the range of a double
  if (value == 0) return 0;                // no negative zero
  return negative ? -value : value;
}
