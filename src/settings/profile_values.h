// How numbers travel through profile strings: integers as the profile integer
// reader takes them, decimals written with six decimals ("%lf") and read with
// the C library's decimal conversion. Both directions use the "C" locale
// whatever locale the application runs in, so a file stays readable when the
// user's locale writes decimal commas.
#pragma once

#include <string>
#include <string_view>

// The optional '-' and the leading digits of the text after its blanks
// ("12abc" is 12), saturated to the int range; defaultValue when the text
// does not begin with a digit ("abc", "", "+5").
int parseProfileInt(std::string_view text, int defaultValue);

// The decimal number the text begins with, as strtod reads it ("1.5x" is
// 1.5, "1e999" is infinity); 0.0 when the text does not begin with a number.
double parseDecimal(std::string_view text);

// The value with six decimals, as "%lf" writes it: 0.3 gives "0.300000".
std::string formatDecimal(double value);
