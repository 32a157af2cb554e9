// Text of numbers and the small text helpers shared by every part of the program.
// All functions are pure: no state, no locale, the point is always the decimal separator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Fixed-point text of `value` with exactly `decimals` digits after the point (at most 16; a
// point only when decimals >= 1), rounded to nearest with halves away from zero, a leading "-"
// for any negative value (also one that rounds to zero, and -0), padded with blanks on the left
// to at least `width` characters and never cut. Magnitudes of 1e36 and more are written as
// "d.ddddddddddddddddE+dddd"; non-finite values as "NAN", "INF" or "-INF".
std::string FormatFixed(double value, unsigned width, unsigned decimals);

// Short label text: FormatFixed with 6 decimals below magnitude 1, with `decimals` otherwise,
// then trailing zeros (and a bare point) of the mantissa's fractional part removed; the digits of
// an exponent stay ("1E+0040").
std::string FormatCompact(double value, unsigned width, unsigned decimals);

// FormatFixed's text when it has at most `room` characters. Otherwise the same value in the form
// "-d.dddE+dddd" with as many significant digits as fill `room` (rounded, halves away from zero;
// no padding), so that a number that is too long is never shown cut. When not even one digit
// fits, the one-digit form is returned, longer than `room`.
std::string FitNumber(double value, unsigned width, unsigned decimals, unsigned room);

// The shortest text that reads back as exactly `value` (of several as short, the nearest to
// it, a tie to the even digit): digits with a point where there is a fraction, "0" for zero
// and "-0" for minus zero. Magnitudes from 1e-6 up to below 1e21 are written out in full;
// others as a mantissa and an exponent, "1.5e-7" or "2e+21". Non-finite values as "NAN",
// "INF" or "-INF".
std::string FormatShortest(double value);

// `value` rounded to `digits` significant digits (1 to 17; halves away from zero), without the
// trailing zeros of its fraction: written out for magnitudes from 0.0001 up to below 1000000
// ("0.00014", "12.5", "250000"), otherwise as a mantissa and an exponent ("1.4e-20", "2.5e148":
// no plus sign, where a line of text could break). Zero is "0", and a negative value keeps its
// sign. Non-finite values as "NAN", "INF" or "-INF".
std::string FormatSignificant(double value, unsigned digits);

// FormatFixed without padding, for running text: a value that rounds to zero at these decimals
// is written without its sign ("0.00", never "-0.00").
std::string FormatPlain(double value, unsigned decimals);

std::string IntToText(std::int32_t n);

// Only the blank (code 32) is removed; tabs and other characters stay.
std::string TrimLeftBlanks(std::string_view text);
std::string TrimRightBlanks(std::string_view text);
std::string TrimBlanks(std::string_view text);

// Reads a real number typed by the user. Accepts, after the text has been trimmed of blanks:
// blanks and tabs, an optional sign, digits with an optional point and fraction (at least one
// digit in all), an optional exponent (E or e, optional sign, at least one digit), and nothing
// after it. Empty text reads as 0. Returns false (and sets value to 0) for any other text and
// for a magnitude beyond the range of a double; a magnitude too small for a double reads as 0.
// The value is the double nearest to the text's exact value (a tie to the even mantissa),
// however many digits it has; the time grows in step with the text's length.
bool ParseReal(std::string_view text, double& value);
