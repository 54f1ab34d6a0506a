// Files the writer makes, read back by an independent reader (mdbtools).
#include "callsign_lists.h"
#include "run_command.h"
#include "temp_dir.h"
#include "utf8.h"
#include "tools/zvkdb/jet4_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using ::testing::ElementsAre;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

struct RowCase {
    std::size_t rows;
    bool outgrowsInlineUsageMap; // more data pages than an inline map covers: needs a reference map
};

class MdbtoolsReadsWrittenFile : public ::testing::TestWithParam<RowCase> {};

TEST_P(MdbtoolsReadsWrittenFile, FormatTableAndEveryCallsignInOrder) {
    const std::vector<std::u16string> callsigns = callsignList(GetParam().rows);
    TempDir dir;
    const std::string path = dir.file("members.mdb").string();
    const std::vector<uint8_t> file = jet4::writeMemberDatabase(callsigns, u"w52rt7jh");
    writeFile(path, file);
    constexpr std::size_t inlineMapPages = 512, pagesBeforeData = 5;
    EXPECT_EQ(file.size() / 4096 > pagesBeforeData + inlineMapPages, GetParam().outgrowsInlineUsageMap);

    const CommandResult version = runCommand("mdb-ver " + shellQuote(path));
    ASSERT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "JET4\n");

    const CommandResult tables = runCommand("mdb-tables -1 " + shellQuote(path) + " 2>&1");
    ASSERT_EQ(tables.exitCode, 0);
    EXPECT_THAT(lines(tables.out), ElementsAre("main"));

    const CommandResult exported = runCommand("mdb-export -H -Q " + shellQuote(path) + " main");
    ASSERT_EQ(exported.exitCode, 0);
    std::vector<std::string> expected;
    for (const std::u16string& callsign : callsigns)
        expected.push_back(utf8(callsign));
    EXPECT_EQ(lines(exported.out), expected);
}

INSTANTIATE_TEST_SUITE_P(RowCounts, MdbtoolsReadsWrittenFile,
                         ::testing::Values(RowCase{0, false}, RowCase{1, false}, RowCase{3000, false},
                                           RowCase{100000, true}),
                         [](const auto& info) { return std::to_string(info.param.rows); });

} // namespace
