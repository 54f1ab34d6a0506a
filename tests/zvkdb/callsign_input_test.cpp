// The callsign list `zvkdb create` reads.
#include "tools/zvkdb/callsign_input.h"

#include <gtest/gtest.h>

namespace {

using List = std::vector<std::u16string>;

TEST(CallsignInput, OneCallsignPerLine) {
    const struct {
        const char* text;
        List expected;
    } cases[] = {
        {"", {}},
        {"UA3ABC", {u"UA3ABC"}},
        {"UA3ABC\nK1\n", {u"UA3ABC", u"K1"}},
        {"UA3АБВ\r\nDL1ÄÖ\r\n", {u"UA3АБВ", u"DL1ÄÖ"}},
        {"\xEF\xBB\xBFK1\n", {u"K1"}},         // byte-order mark
        {"K1\n\n\r\nK2", {u"K1", u"K2"}},      // blank lines
        {" K1 \n", {u" K1 "}},                 // no trimming beyond the CR
        {"K1\r\r\n", {u"K1\r"}},               // one CR only
        {"\xF0\x9F\x93\xBB", {u"\U0001F4FB"}}, // outside the BMP: a surrogate pair
    };
    for (const auto& c : cases)
        EXPECT_EQ(zvkdb::parseCallsignList(c.text), c.expected) << ::testing::PrintToString(c.text);
}

TEST(CallsignInput, BadLinesAreNamed) {
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"K1\nUA3\xC0\n", "line 2: not UTF-8 text"}, // cut sequence (a Windows-1251 letter)
        {"\xC0\xB1", "line 1: not UTF-8 text"},      // overlong
        {"\xED\xA0\x80", "line 1: not UTF-8 text"},  // surrogate
        {"K1\n\n" + std::string(256, 'W'), "line 3: callsign longer than 255 characters"},
    };
    for (const auto& c : cases) {
        try {
            zvkdb::parseCallsignList(c.text);
            ADD_FAILURE() << "accepted " << ::testing::PrintToString(c.text);
        } catch (const zvkdb::InputError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    EXPECT_EQ(zvkdb::parseCallsignList(std::string(255, 'W')).size(), 1u);
}

} // namespace
