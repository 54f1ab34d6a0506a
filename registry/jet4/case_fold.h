// Letter-case folding as Access compares names and our member lookup compares callsigns: Latin (ASCII and
// Latin-1) and Cyrillic (U+0400-U+045F) capitals map to their small letters; nothing else changes.
#pragma once

#include <string_view>

namespace jet4 {

constexpr char16_t foldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) ||
        (c >= 0x0410 && c <= 0x042F))
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F)
        return static_cast<char16_t>(c + 0x50);
    return c;
}

inline bool equalFolded(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldCase(a[i]) != foldCase(b[i]))
            return false;
    return true;
}

} // namespace jet4
