// Text forms of published-property values in the settings file. Portable: no Windows calls, the decimal
// separator is passed in.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zvk {

// The value the store assigns when a "Float" text does not parse.
constexpr double kUnparsedFloat = 16777215.0;

// Decimal, with a minus sign when negative.
std::string FormatOrdinal(int32_t value);

// Leading blanks, an optional sign, then decimal digits or hexadecimal digits after "$" or "0x". Empty
// text, any other character (trailing blanks included) or a value outside 32 bits fails. Hexadecimal
// without a minus sign may use all 32 bits, so "$FF000005" is the system colour -16777211.
std::optional<int32_t> ParseOrdinal(std::string_view text);

// General format with at most 15 significant digits: fixed notation while the decimal exponent lies in
// [-4, 14], otherwise "1.5E20" / "1E-5"; "NAN", "INF", "-INF" for values that have no digits.
std::string FormatFloat(double value, char decimalSeparator);

// Blanks around, an optional sign, digits with at most one separator, an optional exponent. Any other
// character, a missing digit or a value outside the range of double fails.
std::optional<double> ParseFloat(std::string_view text, char decimalSeparator);

} // namespace zvk
