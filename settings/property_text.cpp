#include "settings/property_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zvk {
namespace {

constexpr int kFloatDigits = 15;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string_view TrimLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string FormatOrdinal(int32_t value) {
    return std::to_string(value);
}

std::optional<int32_t> ParseOrdinal(std::string_view text) {
    text = TrimLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;
    // Largest magnitude: the sign's limit, or the full 32-bit pattern for unsigned hexadecimal.
    const uint64_t limit = negative ? 0x80000000u : base == 16 ? 0xFFFFFFFFu : 0x7FFFFFFFu;
    uint64_t magnitude = 0;
    for (char c : text) {
        const int digit = base == 16 ? HexValue(c) : IsDigit(c) ? c - '0' : -1;
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    const uint32_t bits = static_cast<uint32_t>(negative ? 0u - magnitude : magnitude);
    return static_cast<int32_t>(bits);
}

std::string FormatFloat(double value, char decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // d.dddddddddddddde±x: the 15 significant digits, correctly rounded.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kFloatDigits - 1);
    const std::string_view scientific(buffer, static_cast<size_t>(result.ptr - buffer));
    const bool negative = scientific.front() == '-';
    const size_t mark = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(0, mark))
        if (IsDigit(c))
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(std::string(scientific.substr(mark + 1)).c_str());

    std::string text = negative ? "-" : "";
    const int point = exponent + 1; // digits before the decimal point
    if (point > kFloatDigits || point < -3) {
        text += digits.front();
        if (digits.size() > 1) {
            text += decimalSeparator;
            text.append(digits, 1, std::string::npos);
        }
        text += 'E';
        text += std::to_string(exponent);
    } else if (point <= 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<size_t>(-point), '0');
        text += digits;
    } else {
        const size_t whole = static_cast<size_t>(point);
        if (digits.size() <= whole) {
            text += digits;
            text.append(whole - digits.size(), '0');
        } else {
            text.append(digits, 0, whole);
            text += decimalSeparator;
            text.append(digits, whole, std::string::npos);
        }
    }
    return text;
}

std::optional<double> ParseFloat(std::string_view text, char decimalSeparator) {
    text = TrimTrailingBlanks(TrimLeadingBlanks(text));
    // Rebuilt with '.' so that the conversion does not depend on any locale.
    std::string plain;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    bool anyDigit = false;
    for (; i < text.size() && IsDigit(text[i]); ++i, anyDigit = true)
        plain += text[i];
    if (i < text.size() && text[i] == decimalSeparator) {
        plain += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, anyDigit = true)
            plain += text[i];
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        bool exponentDigit = false;
        for (; i < text.size() && IsDigit(text[i]); ++i, exponentDigit = true)
            plain += text[i];
        if (!exponentDigit)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    const char* first = plain.data();
    if (*first == '+')
        ++first; // from_chars takes no plus sign
    double value = 0;
    const auto result =
        std::from_chars(first, plain.data() + plain.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

} // namespace zvk
