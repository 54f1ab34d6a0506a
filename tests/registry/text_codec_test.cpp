// Stored text forms and the UTF-8 conversions.
#include "registry/jet4/text_codec.h"

#include <gtest/gtest.h>

namespace {

// Both decoders, which must agree; the one into a buffer takes exactly as many characters as it has room for.
std::u16string decode(std::vector<uint8_t> stored) {
    std::u16string out;
    jet4::appendStoredText(stored.data(), stored.size(), out);
    char16_t buffer[16];
    size_t length = 0;
    EXPECT_TRUE(jet4::decodeShortText(stored.data(), stored.size(), buffer, out.size(), length));
    EXPECT_EQ(std::u16string(buffer, length), out);
    if (!out.empty()) {
        EXPECT_FALSE(jet4::decodeShortText(stored.data(), stored.size(), buffer, out.size() - 1, length));
    }
    return out;
}

TEST(StoredText, DecodesUcs2AndCompressedForms) {
    EXPECT_EQ(decode({}), u"");
    EXPECT_EQ(decode({0x1C, 0x04, 0x38, 0x04}), u"Ми");
    EXPECT_EQ(decode({0xFF, 0xFE}), u"");
    EXPECT_EQ(decode({0xFF, 0xFE, 'U', 'A', 0xE4}), u"UAä");
    // A zero byte switches to two-byte characters and back.
    EXPECT_EQ(decode({0xFF, 0xFE, 'R', 0x00, 0x10, 0x04, 0x00, '1'}), u"RА1");
    // A dangling half character is dropped rather than read past the value.
    EXPECT_EQ(decode({0xFF, 0xFE, 'A', 0x00, 0x10}), u"A");
    EXPECT_EQ(decode({'A', 0x00, 'B'}), u"A");
}

TEST(Utf8, ConvertsBothWaysAndReplacesMalformedInput) {
    const std::u16string text = u"UA3АБВ ё € \U0001F4E1";
    EXPECT_EQ(jet4::fromUtf8(jet4::toUtf8(text)), text);
    EXPECT_EQ(jet4::toUtf8(u"Мир"), "\xD0\x9C\xD0\xB8\xD1\x80");
    EXPECT_EQ(jet4::toUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(jet4::fromUtf8("a\xFF"
                             "b"),
              u"a\uFFFDb");
    EXPECT_EQ(jet4::fromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD"); // overlong
    EXPECT_EQ(jet4::fromUtf8("\xE2\x82"), u"\uFFFD\uFFFD"); // cut short
}

} // namespace
