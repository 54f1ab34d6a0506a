#include "settings/palette/custom_colors.h"

#include <cstdio>

namespace zvk::palette {

namespace {

constexpr uint32_t White = 0xFFFFFF;

std::string prefix(int index) {
    return std::string("Color") + static_cast<char>('A' + index) + "=";
}

} // namespace

TRzCustomColors::TRzCustomColors() {
    for (int i = 0; i < Count; ++i) {
        colors_[i] = prefix(i) + "FFFFFF";
    }
}

uint32_t TRzCustomColors::Color(int index) const {
    const std::string& entry = colors_.at(static_cast<size_t>(index));
    const std::string digits = entry.substr(entry.find('=') + 1);
    if (digits.empty() || digits.size() > 8) {
        return White;
    }
    uint32_t value = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0) {
            return White;
        }
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

void TRzCustomColors::SetColor(int index, uint32_t color) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06x", static_cast<unsigned>(color & 0xFFFFFFu));
    colors_.at(static_cast<size_t>(index)) = prefix(index) + digits;
}

std::array<uint32_t, TRzCustomColors::Count> TRzCustomColors::AllColors() const {
    std::array<uint32_t, Count> result{};
    for (int i = 0; i < Count; ++i) {
        result[i] = Color(i);
    }
    return result;
}

void TRzCustomColors::SetAllColors(const std::array<uint32_t, Count>& colors) {
    for (int i = 0; i < Count; ++i) {
        SetColor(i, colors[i]);
    }
}

} // namespace zvk::palette
