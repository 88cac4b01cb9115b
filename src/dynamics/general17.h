// "%.17g" text of a double (17 significant digits, correctly rounded, the
// shorter of fixed and exponent notation, trailing zeros dropped) without the
// cost of the general formatting routines: an orbit file holds millions of
// such numbers. Values written in fixed notation with a binary exponent the
// 128-bit arithmetic covers take the direct road; all others are left to
// std::to_chars, which gives the same text.
#pragma once

// The longest text of one number ("-1.2345678901234567e-308").
inline constexpr int kGeneral17MaxLength = 24;
// Room the text of one number may take (a few bytes more than it uses).
inline constexpr int kGeneral17Bytes = 40;

// Writes the text of value at `at` (kGeneral17Bytes available) and returns
// the end of what it wrote.
char* writeGeneral17(char* at, double value);
