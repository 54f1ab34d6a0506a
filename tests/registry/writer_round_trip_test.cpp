// Files from the zvkdb writer read back unchanged, at the sizes the plug-in meets.
#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/member_index.h"
#include "registry/jet4/writer/jet4_writer.h"
#include "encode_file.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::u16string> callsigns(size_t count) {
    static const std::u16string samples[] = {u"UA3ABC", u"RK1ZZ/P", u"UA3АБВ", u"DL1ÄÖ", u"", u"R9\"X,Y\""};
    std::vector<std::u16string> out;
    for (size_t i = 0; i < count; ++i)
        out.push_back(i < std::size(samples) ? samples[i] : u"RZ" + jet4::fromUtf8(std::to_string(i)));
    return out;
}

class WriterRoundTrip : public testing::TestWithParam<size_t> {};

TEST_P(WriterRoundTrip, SameCallsignsBackAndPasswordEnforced) {
    const std::vector<std::u16string> expected = callsigns(GetParam());
    const std::vector<uint8_t> file = jet4::writeMemberDatabase(expected, u"w52rt7jh");

    EXPECT_TRUE(jet4::probe(file.data(), file.size()).hasPassword);
    EXPECT_THROW(jet4::Database(file, u"W52RT7JH"), jet4::WrongPassword);
    const jet4::Database db(file, u"w52rt7jh");
    EXPECT_EQ(db.tableNames(), std::vector<std::u16string>{u"main"});
    const jet4::Table table = db.table(u"main");
    const int col = table.findColumn(u"callsign");
    ASSERT_EQ(col, 0);
    ASSERT_EQ(table.rowCount(), expected.size());
    for (size_t row = 0; row < expected.size(); ++row) {
        ASSERT_FALSE(table.isNull(row, 0)) << row;
        ASSERT_EQ(table.text(row, 0), expected[row]) << row;
    }
    const jet4::MemberIndex index(table, 0);
    for (const std::u16string& c : expected)
        ASSERT_TRUE(index.contains(c));
    EXPECT_FALSE(index.contains(u"NOT-A-MEMBER"));

    // Straight from the rows, over borrowed bytes, as the tool and the plug-in open it.
    const jet4::MemberIndex direct =
        jet4::Database(file.data(), file.size(), u"w52rt7jh").memberIndex(u"main", 0);
    EXPECT_EQ(direct.size(), index.size());
    for (const std::u16string& c : expected)
        ASSERT_TRUE(direct.contains(c)) << jet4::toUtf8(c);
    EXPECT_FALSE(direct.contains(u"NOT-A-MEMBER"));
}

TEST(WriterRoundTrip, EncodedPagesAreDecoded) {
    const std::vector<std::u16string> expected = callsigns(600);
    const auto file = encodeJetFile(jet4::writeMemberDatabase(expected, u"w52rt7jh"), 0xA7B773E0);
    EXPECT_TRUE(jet4::probe(file.data(), file.size()).encoded);
    EXPECT_THROW(jet4::Database(file, u""), jet4::WrongPassword);
    const jet4::Table table = jet4::Database(file, u"w52rt7jh").table(u"main");
    ASSERT_EQ(table.rowCount(), expected.size());
    for (size_t row = 0; row < expected.size(); ++row)
        ASSERT_EQ(table.text(row, 0), expected[row]);

    // Borrowed bytes are decoded into a copy: the caller's stay as they were.
    const auto before = file;
    const jet4::MemberIndex direct =
        jet4::Database(file.data(), file.size(), u"w52rt7jh").memberIndex(u"main", 0);
    EXPECT_EQ(file, before);
    for (const std::u16string& c : expected)
        ASSERT_TRUE(direct.contains(c)) << jet4::toUtf8(c);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WriterRoundTrip, testing::Values(0, 1, 3000, 100000));

} // namespace
