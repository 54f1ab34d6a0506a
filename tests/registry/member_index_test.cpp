// The member lookup rule and the host's code page.
#include "registry/jet4/case_fold.h"
#include "registry/jet4/cp1251.h"
#include "registry/jet4/member_index.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

TEST(MemberIndex, MatchesWholeValuesIgnoringLatinAndCyrillicCase) {
    const jet4::MemberIndex index(
        {u"UA3ABC", u"RK1ZZ", u"RK1ZZ", u"УА9ЁЖ", u"ЂЉЊЋЏ", u"Müller", u"", u"DL/p", u"ҐАНОК"});
    EXPECT_EQ(index.size(), 8u); // the duplicate is stored once
    const struct {
        const char16_t* key;
        bool member;
    } cases[] = {
        {u"UA3ABC", true}, {u"ua3abc", true},   {u"Ua3AbC", true},   {u"RK1ZZ", true},
        {u"уа9ёж", true},  {u"Уа9Ёж", true},    {u"ђљњћџ", true},    {u"MÜLLER", true},
        {u"", true},       {u"dl/P", true},     {u"UA3AB", false},   {u"UA3ABCD", false},
        {u"A3ABC", false}, {u" UA3ABC", false}, {u"UA3ABC ", false}, {u"UA3ABC/P", false},
        {u"УА9ЕЖ", false}, {u"UA3ÀBC", false},  {u"dl\\p", false},   {u"МULLER", false},
        {u"ґанок", true},  {u"ганок", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(index.contains(c.key), c.member) << jet4::toUtf8(c.key);
}

TEST(MemberIndex, EmptyIndexAndLongKeys) {
    EXPECT_FALSE(jet4::MemberIndex().contains(u""));
    EXPECT_FALSE(jet4::MemberIndex(std::vector<std::u16string>{}).contains(u"UA3ABC"));
    EXPECT_FALSE(jet4::MemberIndex({u"A"}).contains(u"")); // empty key needs an empty value
    const std::u16string longValue(300, u'Ж');
    const jet4::MemberIndex index({longValue});
    EXPECT_TRUE(index.contains(std::u16string(300, u'ж')));
    EXPECT_FALSE(index.contains(std::u16string(299, u'ж')));
}

// Short values of the code page sit in the index's slots, others apart: both forms follow the same rule.
TEST(MemberIndex, ValuesInSlotsAndApartMatchAlike) {
    const jet4::MemberIndex index({u"ABCDEFGHIJ", u"ABCDEFGHIJK", u"ЁЖИКЁЖИ", u"ЁЖИКЁЖИК", u"DL1ÄÖ",
                                   u"JA1日本", u"€5", u"A\u0000B"s, u"R1\u0410\u0308", u"UA3{~}",
                                   u"_[9@]/\\"});
    EXPECT_EQ(index.size(), 11u);
    const struct {
        std::u16string_view key;
        bool member;
    } cases[] = {
        {u"abcdefghij", true},    {u"abcdefghijk", true},  {u"abcdefghi", false},
        {u"abcdefghijkl", false}, {u"ABCDEFGHIJL", false}, {u"ёжикёжи", true},
        {u"ёжикёжик", true},      {u"ёжикёж", false},      {u"ёжикёжикё", false},
        {u"dl1äö", true},         {u"DL1ÄO", false},       {u"ja1日本", true},
        {u"JA1日", false},        {u"€5", true},           {u"€6", false},
        {u"a\u0000b"sv, true},    {u"a\u0000"sv, false},   {u"r1\u0430\u0308", true},
        {u"R1\u0430", false},     {u"ua3{~}", true},       {u"UA3{~", false},
        {u"_[9@]/\\", true},      {u"_[9@]/", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(index.contains(c.key), c.member) << jet4::toUtf8(c.key);
}

// The expected count only sizes the index: far too small makes it grow (a large one while values still
// wait in its region buffers, which then fill up before the end), far too large makes it shrink.
TEST(MemberIndex, BuilderGrowsAndShrinksFromItsEstimate) {
    const struct {
        size_t values;
        size_t expected;
    } cases[] = {{5000, 0}, {5000, 10}, {5000, 5000}, {5000, 2000000}, {150000, 60000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.values) + " values, " + std::to_string(c.expected) + " expected");
        std::vector<std::u16string> values;
        for (size_t i = 0; i < c.values; ++i)
            values.push_back((i % 3 ? u"UA" : u"ЮA9ДЛИННЫЙПОЗЫВНОЙ") + jet4::fromUtf8(std::to_string(i)));
        jet4::MemberIndex::Builder builder(c.expected);
        for (const std::u16string& v : values)
            builder.add(v);
        builder.add(values[7]); // a duplicate changes nothing
        const jet4::MemberIndex index = builder.finish();
        EXPECT_EQ(index.size(), values.size());
        EXPECT_LT(index.memoryUsage(), 64 * values.size());
        for (const std::u16string& v : values) {
            std::u16string lower = v;
            for (char16_t& ch : lower)
                ch = jet4::foldCase(ch);
            ASSERT_TRUE(index.contains(lower)) << jet4::toUtf8(v);
            ASSERT_FALSE(index.contains(v + u"/")) << jet4::toUtf8(v);
        }
    }
}

// Stored one byte a character, a callsign goes into its slot without being widened first; what a slot
// cannot hold is refused whole, for the caller to add in full, and nothing of it is kept.
TEST(MemberIndex, NarrowValuesMatchTheirWideForms) {
    const struct {
        std::string bytes;
        std::u16string_view key;
        bool taken;
    } cases[] = {
        {"UA3ABC/P", u"ua3abc/p", true},
        {"abcdefghij", u"ABCDEFGHIJ", true},
        {"abcdefghijk", u"abcdefghijk", false},
        {"DL\xC4X", u"dl\u00e4x", false},
        {"UA\xA7", u"ua\u00a7", true},
        {"R1\0A"s, u"R1", false},
        {"", u"", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        jet4::MemberIndex::Builder builder(4);
        EXPECT_EQ(builder.addNarrow(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size()),
                  c.taken);
        const jet4::MemberIndex index = builder.finish();
        EXPECT_EQ(index.size(), c.taken ? 1u : 0u);
        EXPECT_EQ(index.contains(c.key), c.taken);
    }
}

TEST(MemberIndex, ManyValuesAllFound) {
    std::vector<std::u16string> values;
    for (int i = 0; i < 20000; ++i)
        values.push_back(u"R" + jet4::fromUtf8(std::to_string(i)));
    const jet4::MemberIndex index(values);
    for (int i = 0; i < 20000; ++i)
        ASSERT_TRUE(index.contains(u"r" + jet4::fromUtf8(std::to_string(i)))) << i;
    EXPECT_FALSE(index.contains(u"R20000"));
}

std::string allBytes(int from, int to) {
    std::string bytes;
    for (int b = from; b <= to; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

TEST(Cp1251, DecodesTheWholeCodePage) {
    EXPECT_EQ(jet4::cp1251ToUtf16(allBytes(0x80, 0xFF)),
              u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”•–—\uFFFD™љ›њќћџ\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї°±Ііґµ¶·ё№є»јЅѕї"
              u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя");
    const std::string ascii = allBytes(0x00, 0x7F);
    EXPECT_EQ(jet4::cp1251ToUtf16(ascii), std::u16string(ascii.begin(), ascii.end()));
}

// The letter pairs of Windows-1251 by byte, capital first, as the code chart shows them.
std::vector<std::pair<int, int>> cp1251LetterPairs() {
    std::vector<std::pair<int, int>> pairs = {
        {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D}, // Ђђ Ѓѓ Љљ Њњ Ќќ
        {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4}, // Ћћ Џџ Ўў Јј Ґґ
        {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}, // Ёё Єє Її Іі Ѕѕ
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        pairs.emplace_back(c, c + 0x20);
    for (int c = 0xC0; c <= 0xDF; ++c) // А-Я, а-я
        pairs.emplace_back(c, c + 0x20);
    return pairs;
}

std::u16string cp1251Char(int byte) {
    return jet4::cp1251ToUtf16(std::string(1, static_cast<char>(byte)));
}

TEST(CaseFold, EveryLetterPairOfTheCodePageMatchesAndNothingElseDoes) {
    bool partners[256][256] = {};
    for (const auto& [capital, small] : cp1251LetterPairs())
        partners[capital][small] = partners[small][capital] = true;
    for (int a = 0; a < 256; ++a) {
        const jet4::MemberIndex index({cp1251Char(a)});
        for (int b = 0; b < 256; ++b) {
            const bool same = a == b || partners[a][b];
            EXPECT_EQ(index.contains(cp1251Char(b)), same) << std::hex << a << " " << b;
            EXPECT_EQ(jet4::equalFolded(cp1251Char(a), cp1251Char(b)), same) << std::hex << a << " " << b;
        }
    }
}

TEST(CaseFold, OnlyCapitalsOfTheCodePageAndOfLatin1Change) {
    std::u16string folded(0x10000, u'\0');
    for (size_t c = 0; c < folded.size(); ++c)
        folded[c] = static_cast<char16_t>(c);
    for (const auto& [capital, small] : cp1251LetterPairs())
        folded[cp1251Char(capital)[0]] = cp1251Char(small)[0];
    for (char16_t c = u'À'; c <= u'Þ'; ++c)
        if (c != u'×')
            folded[c] = static_cast<char16_t>(c + 0x20);
    std::vector<int> wrong;
    for (size_t c = 0; c < folded.size(); ++c)
        if (jet4::foldCase(static_cast<char16_t>(c)) != folded[c])
            wrong.push_back(static_cast<int>(c));
    EXPECT_EQ(wrong, std::vector<int>{});
}

} // namespace
