#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The only conversions between a field's text (UTF-8) and its number, and the only emptiness
// test. They are locale-independent: the decimal symbol is always ".".

// Reads a field's text as a double.
//
// Grammar (after the zero-width characters U+200B, U+2060 and U+FEFF are dropped wherever they
// are, and leading and trailing blanks are dropped; a blank is a space, a tab, CR, LF, the
// no-break space U+00A0, the figure space U+2007, the narrow no-break space U+202F or the
// ideographic space U+3000). A page, a spreadsheet or a chat puts these around and inside a
// figure that is copied from it; any other character, a blank between digits included, keeps
// the text from being a number:
//
//   number   := sign? mantissa exponent?
//   sign     := "+" | "-"
//   mantissa := integer ("." digit*)? | "." digit+
//   integer  := digit+ | nonzero digit{0,2} ("," digit{3})+   well-formed grouping only
//   exponent := ("E" | "e") sign? digit+
//
// Full-width forms that a Chinese input method types are read as their ASCII counterparts:
// the digits "０".."９", "．", "，", "＋", "－", "Ｅ" and "ｅ".
//
// The value is the double nearest to the decimal text (round to nearest, ties to even), so
// every text that ToText writes reads back as exactly the value it shows. A text whose value
// is too small for a double reads as a zero of its sign. Rejected, with no value: the empty
// text, a text of blanks and zero-width characters only, a magnitude beyond the largest double,
// "inf", "nan", hexadecimal, a misplaced comma, and anything else outside the grammar.
std::optional<double> ToNumber(std::string_view text);

// True for a text that ToNumber rejects only because its magnitude is beyond the largest double,
// such as "1e400" or a quantity of 5,000 digits: a number, but too large to calculate with.
bool IsTooLarge(std::string_view text);

// Writes a double as the text a field shows: rounded to 15 significant digits (to nearest; an
// exact tie goes to the even digit), trailing fraction zeros and a bare point dropped, no
// grouping, "-" before a negative value, and "0" for a zero of either sign.
//
// Positional form is used for magnitudes from 0.0001 up to, not including, 1E+15 (after the
// rounding): "123456789012345", "0.000123456789012345". Outside that range the text is a
// mantissa with one digit before the point and an exponent of at least two digits with its
// sign: "1E+15", "1.5E+20", "1.23456789012345E-05", "4.94065645841247E-324". The doubles
// above 1.79769313486231E+308 are written as that text, rounded down, because their nearest
// 15-digit text lies beyond the largest double. `value` must be finite.
std::string ToText(double value);

// True only for the text of length zero; a blank is not empty.
bool IsEmpty(std::string_view text);

} // namespace pelmora
