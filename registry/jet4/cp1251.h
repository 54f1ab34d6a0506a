// Windows-1251, the code page of the texts the host hands us, and the letter pairs case folding uses.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace jet4 {

// One byte of the code page: its character and, for a capital letter, the small one (else 0).
struct Cp1251Char {
    char16_t ch;
    char16_t small = 0;
};

namespace detail {

// 0x80-0xBF, the irregular block: below it is ASCII, above it U+0410-U+044F (А-Я, а-я) in order.
// Byte 0x98 is undefined; "-" in the notes marks it and the invisible characters.
inline constexpr Cp1251Char kCp1251Block[64] = {
    {0x0402, 0x0452}, {0x0403, 0x0453}, {0x201A},         {0x0453},         // 80 Ђ Ѓ ‚ ѓ
    {0x201E},         {0x2026},         {0x2020},         {0x2021},         // 84 „ … † ‡
    {0x20AC},         {0x2030},         {0x0409, 0x0459}, {0x2039},         // 88 € ‰ Љ ‹
    {0x040A, 0x045A}, {0x040C, 0x045C}, {0x040B, 0x045B}, {0x040F, 0x045F}, // 8C Њ Ќ Ћ Џ
    {0x0452},         {0x2018},         {0x2019},         {0x201C},         // 90 ђ ‘ ’ “
    {0x201D},         {0x2022},         {0x2013},         {0x2014},         // 94 ” • – —
    {0xFFFD},         {0x2122},         {0x0459},         {0x203A},         // 98 - ™ љ ›
    {0x045A},         {0x045C},         {0x045B},         {0x045F},         // 9C њ ќ ћ џ
    {0x00A0},         {0x040E, 0x045E}, {0x045E},         {0x0408, 0x0458}, // A0 - Ў ў Ј
    {0x00A4},         {0x0490, 0x0491}, {0x00A6},         {0x00A7},         // A4 ¤ Ґ ¦ §
    {0x0401, 0x0451}, {0x00A9},         {0x0404, 0x0454}, {0x00AB},         // A8 Ё © Є «
    {0x00AC},         {0x00AD},         {0x00AE},         {0x0407, 0x0457}, // AC ¬ - ® Ї
    {0x00B0},         {0x00B1},         {0x0406, 0x0456}, {0x0456},         // B0 ° ± І і
    {0x0491},         {0x00B5},         {0x00B6},         {0x00B7},         // B4 ґ µ ¶ ·
    {0x0451},         {0x2116},         {0x0454},         {0x00BB},         // B8 ё № є »
    {0x0458},         {0x0405, 0x0455}, {0x0455},         {0x0457},         // BC ј Ѕ ѕ ї
};

constexpr std::array<Cp1251Char, 256> makeCp1251() {
    std::array<Cp1251Char, 256> table{};
    for (unsigned b = 0; b < 0x80; ++b)
        table[b] = {static_cast<char16_t>(b), static_cast<char16_t>(b >= 'A' && b <= 'Z' ? b + 0x20 : 0)};
    for (unsigned b = 0x80; b < 0xC0; ++b)
        table[b] = kCp1251Block[b - 0x80];
    for (unsigned b = 0xC0; b < 0x100; ++b) {
        const auto ch = static_cast<char16_t>(0x0410 + (b - 0xC0));
        table[b] = {ch, static_cast<char16_t>(b < 0xE0 ? ch + 0x20 : 0)};
    }
    return table;
}

} // namespace detail

// The whole code page, byte by byte.
inline constexpr std::array<Cp1251Char, 256> kCp1251 = detail::makeCp1251();

// Byte 0x98, undefined in the code page, becomes U+FFFD.
std::u16string cp1251ToUtf16(std::string_view text);

} // namespace jet4
