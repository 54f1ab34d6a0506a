// The member lookup rule and the host's code page.
#include "registry/jet4/cp1251.h"
#include "registry/jet4/member_index.h"

#include <gtest/gtest.h>

namespace {

TEST(MemberIndex, MatchesWholeValuesIgnoringLatinAndCyrillicCase) {
    const jet4::MemberIndex index(
        {u"UA3ABC", u"RK1ZZ", u"RK1ZZ", u"УА9ЁЖ", u"ЂЉЊЋЏ", u"Müller", u"", u"DL/p"});
    EXPECT_EQ(index.size(), 7u); // the duplicate is stored once
    const struct {
        const char16_t* key;
        bool member;
    } cases[] = {
        {u"UA3ABC", true}, {u"ua3abc", true},   {u"Ua3AbC", true},   {u"RK1ZZ", true},
        {u"уа9ёж", true},  {u"Уа9Ёж", true},    {u"ђљњћџ", true},    {u"MÜLLER", true},
        {u"", true},       {u"dl/P", true},     {u"UA3AB", false},   {u"UA3ABCD", false},
        {u"A3ABC", false}, {u" UA3ABC", false}, {u"UA3ABC ", false}, {u"UA3ABC/P", false},
        {u"УА9ЕЖ", false}, {u"UA3ÀBC", false},  {u"dl\\p", false},   {u"МULLER", false},
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

TEST(MemberIndex, ManyValuesAllFound) {
    std::vector<std::u16string> values;
    for (int i = 0; i < 20000; ++i)
        values.push_back(u"R" + jet4::fromUtf8(std::to_string(i)));
    const jet4::MemberIndex index(values);
    for (int i = 0; i < 20000; ++i)
        ASSERT_TRUE(index.contains(u"r" + jet4::fromUtf8(std::to_string(i)))) << i;
    EXPECT_FALSE(index.contains(u"R20000"));
}

TEST(Cp1251, DecodesTheWholeCodePage) {
    EXPECT_EQ(jet4::cp1251ToUtf16("UA3 \xC0\xC1\xC2 \xE0\xFF \xA8\xB8"), u"UA3 АБВ ая Ёё");
    EXPECT_EQ(jet4::cp1251ToUtf16("\x80\x88\x98\xB9\xA5\xB4\xA0"), u"Ђ€\uFFFD№Ґґ\u00A0");
    EXPECT_EQ(jet4::cp1251ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
}

} // namespace
