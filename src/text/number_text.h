// Number <-> text conversions shared by the screens and every file: Val, Str, Format and friends.
#pragma once

#include <string>
#include <string_view>

namespace voriel {

// Every "," replaced by ".", so that a decimal comma typed or read is accepted.
std::string CommaToPoint(std::string_view text);

// The number at the start of the text after leading blanks: optional sign, digits, one decimal
// point, optional exponent. Reading stops at the first character that cannot continue the number;
// a text without a number gives 0. An exponent too large gives an infinity, too small gives 0.
double Val(std::string_view text);

// The general number-to-text conversion: a leading blank for v >= 0 or a minus sign, no zero
// before the point when |v| < 1 (" .3"), at most 15 significant digits; exponent form ("1E-05",
// "1.5E+20") for magnitudes below 1E-4 and from 1E+15 up, as judged after rounding.
std::string Str(double v);

// Fixed-pattern formatting: "0" digit always printed, "#" digit printed only when significant,
// "." the decimal point, other characters printed as they stand; a pattern with ";" has a second
// section for negative values, printed without the minus sign. The value is rounded on its exact
// binary value, halves away from zero; a value that rounds to zero prints without a minus sign.
std::string Format(double v, std::string_view pattern);

// The largest integer not greater than v.
double Int(double v);

// -1, 0 or 1.
int Sgn(double v);

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4), whatever the floating-point environment.
double RoundHalfEven(double v);

}  // namespace voriel
