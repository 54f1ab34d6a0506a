#include "registry/jet4/value_display.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace jet4 {
namespace {

template <typename T> T load(const uint8_t* data) {
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

std::string hex(const uint8_t* data, size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        out.push_back(digits[data[i] >> 4]);
        out.push_back(digits[data[i] & 15]);
    }
    return out;
}

template <typename T> T parse(const char* text);
template <> float parse<float>(const char* text) {
    return std::strtof(text, nullptr);
}
template <> double parse<double>(const char* text) {
    return std::strtod(text, nullptr);
}

// Shortest %g form that reads back as the same value.
template <typename T> std::string shortest(T value, int from, int to) {
    char text[64];
    for (int precision = from; precision <= to; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, static_cast<double>(value));
        if (parse<T>(text) == value)
            break;
    }
    return text;
}

// Days since 1899-12-30; the fraction is the time of day, counted forward even for negative days.
std::string oleDate(double value) {
    if (!(std::fabs(value) < 3.0e6))
        return shortest(value, 15, 17);
    const double wholeDays = std::trunc(value);
    long long seconds = std::llround(std::fabs(value - wholeDays) * 86400.0);
    long long days = static_cast<long long>(wholeDays) + seconds / 86400;
    seconds %= 86400;
    // Civil date from days relative to 1970-01-01 (Howard Hinnant's algorithm).
    long long z = days - 25569 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yoe + era * 400 + (month <= 2);
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", year, month, day,
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::string guid(const uint8_t* d) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08" PRIX32 "-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  load<uint32_t>(d), load<uint16_t>(d + 4), load<uint16_t>(d + 6), d[8], d[9], d[10], d[11],
                  d[12], d[13], d[14], d[15]);
    return text;
}

// Sign byte, then a 128-bit magnitude as four little-endian 32-bit words, most significant first.
std::string numeric(const uint8_t* d, int scale) {
    uint32_t words[4];
    for (int i = 0; i < 4; ++i)
        words[i] = load<uint32_t>(d + 1 + 4 * i);
    std::string digits;
    bool nonzero = true;
    while (nonzero) {
        uint64_t remainder = 0;
        nonzero = false;
        for (uint32_t& w : words) {
            const uint64_t cur = remainder << 32 | w;
            w = static_cast<uint32_t>(cur / 10);
            remainder = cur % 10;
            nonzero |= w != 0;
        }
        digits.insert(digits.begin(), static_cast<char>('0' + remainder));
    }
    if (scale > 0) {
        if (digits.size() <= static_cast<size_t>(scale))
            digits.insert(0, static_cast<size_t>(scale) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<size_t>(scale), 1, '.');
    }
    return (d[0] & 0x80 ? "-" : "") + digits;
}

std::string currency(int64_t value) {
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    char text[40];
    std::snprintf(text, sizeof text, "%s%" PRIu64 ".%04" PRIu64, value < 0 ? "-" : "", magnitude / 10000,
                  magnitude % 10000);
    return text;
}

} // namespace

std::string displayValue(const Column& column, const uint8_t* data, size_t size) {
    auto fits = [&](size_t need) { return size >= need; };
    switch (column.type) {
    case ColumnType::Boolean:
        if (fits(1))
            return data[0] ? "1" : "0";
        break;
    case ColumnType::Byte:
        if (fits(1))
            return std::to_string(data[0]);
        break;
    case ColumnType::Integer:
        if (fits(2))
            return std::to_string(load<int16_t>(data));
        break;
    case ColumnType::Long:
        if (fits(4))
            return std::to_string(load<int32_t>(data));
        break;
    case ColumnType::Currency:
        if (fits(8))
            return currency(load<int64_t>(data));
        break;
    case ColumnType::Single:
        if (fits(4))
            return shortest(load<float>(data), 6, 9);
        break;
    case ColumnType::Double:
        if (fits(8))
            return shortest(load<double>(data), 15, 17);
        break;
    case ColumnType::DateTime:
        if (fits(8))
            return oleDate(load<double>(data));
        break;
    case ColumnType::Guid:
        if (fits(16))
            return guid(data);
        break;
    case ColumnType::Numeric:
        if (fits(17))
            return numeric(data, column.scale);
        break;
    default:
        break;
    }
    return hex(data, size);
}

} // namespace jet4
