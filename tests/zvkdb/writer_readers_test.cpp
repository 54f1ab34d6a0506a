// Files the writer makes, read back by the project's reader and, natively, by an independent one (mdbtools).
#include "callsign_lists.h"
#include "temp_dir.h"
#include "utf8.h"
#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/writer/jet4_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#if ZVKDB_HAVE_MDBTOOLS
#include "run_shell.h"
#include <sstream>
#endif

namespace {

using ::testing::ElementsAre;

struct RowCase {
    std::size_t rows;
    bool outgrowsInlineUsageMap; // more data pages than an inline map covers: needs a reference map
};

void PrintTo(const RowCase& c, std::ostream* out) {
    *out << c.rows << " rows";
}

class WrittenFile : public ::testing::TestWithParam<RowCase> {};

void expectProjectReaderReads(const std::vector<uint8_t>& file,
                              const std::vector<std::u16string>& callsigns) {
    EXPECT_THROW(jet4::Database(file, u"w52rt7jh!"), jet4::WrongPassword);
    const jet4::Database database(file, u"w52rt7jh");
    EXPECT_THAT(database.tableNames(), ElementsAre(u"main"));
    const jet4::Table table = database.table(u"main");
    ASSERT_EQ(table.findColumn(u"Callsign"), 0);
    ASSERT_EQ(table.rowCount(), callsigns.size());
    for (std::size_t row = 0; row < callsigns.size(); ++row)
        ASSERT_EQ(table.text(row, 0), callsigns[row]) << "row " << row;
}

#if ZVKDB_HAVE_MDBTOOLS
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

void expectMdbtoolsReads(const std::vector<uint8_t>& file, const std::vector<std::u16string>& callsigns) {
    TempDir dir;
    const std::string path = dir.file("members.mdb").string();
    writeFile(path, file);

    const CommandResult version = runShell("mdb-ver " + shellQuote(path));
    ASSERT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "JET4\n");

    const CommandResult tables = runShell("mdb-tables -1 " + shellQuote(path) + " 2>&1");
    ASSERT_EQ(tables.exitCode, 0);
    EXPECT_THAT(lines(tables.out), ElementsAre("main"));

    const CommandResult exported = runShell("mdb-export -H -Q " + shellQuote(path) + " main");
    ASSERT_EQ(exported.exitCode, 0);
    std::vector<std::string> expected;
    for (const std::u16string& callsign : callsigns)
        expected.push_back(utf8(callsign));
    EXPECT_EQ(lines(exported.out), expected);
}
#endif

TEST_P(WrittenFile, EveryCallsignReadBackInOrder) {
    const std::vector<std::u16string> callsigns = callsignList(GetParam().rows);
    const std::vector<uint8_t> file = jet4::writeMemberDatabase(callsigns, u"w52rt7jh");
    constexpr std::size_t inlineMapPages = 512, pagesBeforeData = 5;
    EXPECT_EQ(file.size() / 4096 > pagesBeforeData + inlineMapPages, GetParam().outgrowsInlineUsageMap);

    expectProjectReaderReads(file, callsigns);
#if ZVKDB_HAVE_MDBTOOLS
    expectMdbtoolsReads(file, callsigns);
#endif
}

INSTANTIATE_TEST_SUITE_P(RowCounts, WrittenFile,
                         ::testing::Values(RowCase{0, false}, RowCase{1, false}, RowCase{3000, false},
                                           RowCase{100000, true}),
                         [](const auto& info) { return std::to_string(info.param.rows); });

TEST(WrittenFile, WithoutPasswordOpensWithAnyPassword) {
    const std::vector<uint8_t> file = jet4::writeMemberDatabase({u"UA3АБВ"}, u"");
    EXPECT_FALSE(jet4::probe(file.data(), file.size()).hasPassword);
    EXPECT_EQ(jet4::Database(file, u"anything").table(u"main").text(0, 0), u"UA3АБВ");
}

} // namespace
