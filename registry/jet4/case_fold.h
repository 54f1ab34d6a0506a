// Letter-case folding as Access compares names and our member lookup compares callsigns: every capital
// letter of Windows-1251 (the host's code page) and of Latin-1 maps to its small letter; nothing else
// changes. The Windows-1251 pairs come from the code-page table itself, so that no letter is left out.
#pragma once

#include "registry/jet4/cp1251.h"

#include <array>
#include <string_view>

namespace jet4 {
namespace detail {

// One past the highest capital: code units from here on never fold.
constexpr size_t foldTableSize() {
    size_t end = 0xDF; // Latin-1 capitals end at U+00DE
    for (const Cp1251Char& c : kCp1251)
        if (c.small != 0 && c.ch >= end)
            end = size_t{c.ch} + 1;
    return end;
}

constexpr std::array<char16_t, foldTableSize()> makeFoldTable() {
    std::array<char16_t, foldTableSize()> fold{};
    for (size_t c = 0; c < fold.size(); ++c)
        fold[c] = static_cast<char16_t>(c);
    // Latin-1 letters are not in the host's code page, but other programs store them.
    for (char16_t c = 0x00C0; c <= 0x00DE; ++c)
        if (c != 0x00D7) // the multiplication sign
            fold[c] = static_cast<char16_t>(c + 0x20);
    for (const Cp1251Char& c : kCp1251)
        if (c.small != 0)
            fold[c.ch] = c.small;
    return fold;
}

inline constexpr auto kFold = makeFoldTable();

} // namespace detail

constexpr char16_t foldCase(char16_t c) {
    return c < detail::kFold.size() ? detail::kFold[c] : c;
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
