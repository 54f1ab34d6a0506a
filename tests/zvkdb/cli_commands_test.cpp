// zvkdb's commands, run in-process on files in a temporary folder.
#include "temp_dir.h"
#include "tests/registry/member_file_layout.h"
#include "tools/zvkdb/commands.h"
#include "tools/zvkdb/utf8_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Outcome {
    int code;
    std::string out, err;
};

class ZvkdbCommand : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return dir_.file(name).u8string(); }

    static Outcome run(std::vector<std::string> args, const std::string& input = "") {
        std::istringstream in(input);
        std::ostringstream out, err;
        zvkdb::Console console{in, out, err, zvkdb::encodeUtf8};
        const int code = zvkdb::runCommand(zvkdb::parseOptions(args), console);
        return {code, out.str(), err.str()};
    }

    TempDir dir_;
};

TEST_F(ZvkdbCommand, CreateThenListGivesTheCallsignsBack) {
    const std::string file = path("members.mdb");
    const Outcome created = run({"create", file}, "UA3АБВ\r\nDL1ÄÖ\n\nK1\n");
    EXPECT_EQ(created.code, zvkdb::kSuccess) << created.err;
    EXPECT_THAT(created.out, HasSubstr("3 callsigns"));

    const Outcome listed = run({"list", file});
    EXPECT_EQ(listed.code, zvkdb::kSuccess) << listed.err;
    EXPECT_EQ(listed.out, "UA3АБВ\nDL1ÄÖ\nK1\n");
}

TEST_F(ZvkdbCommand, ListAsCsvKeepsEveryValueWhole) {
    // Values `create` cannot make from lines of input, straight from the writer.
    writeFile(dir_.file("odd.mdb"),
              jet4::writeMemberDatabase(
                  {u"K1", u"R9 \"X\"", u"A,B", u"two\nlines", u"cr\r", u"\r\n", u"", u"UA3АБВ"}, u""));
    const Outcome listed = run({"list", path("odd.mdb"), "--csv"});
    EXPECT_EQ(listed.code, zvkdb::kSuccess) << listed.err;
    EXPECT_EQ(listed.out, "K1\r\n"
                          "\"R9 \"\"X\"\"\"\r\n"
                          "\"A,B\"\r\n"
                          "\"two\nlines\"\r\n"
                          "\"cr\r\"\r\n"
                          "\"\r\n\"\r\n"
                          "\"\"\r\n" // an empty value, not a blank line that readers skip
                          "UA3АБВ\r\n");
}

TEST_F(ZvkdbCommand, CreateReplacesAFileOnlyWithForce) {
    const std::string file = path("members.mdb");
    ASSERT_EQ(run({"create", file}, "K1\n").code, zvkdb::kSuccess);

    const Outcome refused = run({"create", file}, "K2\n");
    EXPECT_EQ(refused.code, zvkdb::kFailure);
    EXPECT_THAT(refused.err, HasSubstr("--force"));
    EXPECT_EQ(run({"list", file}).out, "K1\n");

    EXPECT_EQ(run({"create", file, "--force"}, "K2\n").code, zvkdb::kSuccess);
    EXPECT_EQ(run({"list", file}).out, "K2\n");
}

TEST_F(ZvkdbCommand, CreateWritesNothingFromBadInput) {
    const std::string file = path("members.mdb");
    const Outcome badText = run({"create", file}, "K1\nUA3\xC0\xC1\xC2\n");
    EXPECT_EQ(badText.code, zvkdb::kFailure);
    EXPECT_THAT(badText.err, HasSubstr("line 2"));
    const Outcome longPassword = run({"create", file, "--password", std::string(21, 'p')}, "K1\n");
    EXPECT_EQ(longPassword.code, zvkdb::kFailure);
    EXPECT_THAT(longPassword.err, HasSubstr("20 characters"));
    EXPECT_FALSE(std::filesystem::exists(dir_.file("members.mdb")));
}

TEST_F(ZvkdbCommand, InfoTellsWhetherAPasswordIsSet) {
    const std::string locked = path("locked.mdb"), open = path("open.mdb");
    ASSERT_EQ(run({"create", locked}, "K1\nK2\n").code, zvkdb::kSuccess);
    ASSERT_EQ(run({"create", open, "--password", ""}, "K1\n").code, zvkdb::kSuccess);

    EXPECT_EQ(run({"info", locked}).out, "format: Jet 4\npassword: set\ntables:\n  main: 2 rows\n");
    EXPECT_EQ(run({"info", open, "--password", "whatever"}).out,
              "format: Jet 4\npassword: none\ntables:\n  main: 1 rows\n");

    // The header answers without the password; the tables need it.
    const Outcome wrong = run({"info", locked, "--password", "nope"});
    EXPECT_EQ(wrong.code, zvkdb::kFailure);
    EXPECT_EQ(wrong.out, "format: Jet 4\npassword: set\n");
    EXPECT_THAT(wrong.err, HasSubstr("wrong database password"));
}

TEST_F(ZvkdbCommand, CheckAnswersEachCallsignAndExitsByTheWorst) {
    const std::string file = path("members.mdb");
    ASSERT_EQ(run({"create", file}, "UA3АБВ\nK1\nҐАНОК\n").code, zvkdb::kSuccess);

    const Outcome all = run({"check", file, "K1", "UA3АБВ", "ґанок"});
    EXPECT_EQ(all.code, zvkdb::kSuccess);
    EXPECT_EQ(all.out, "K1: member\nUA3АБВ: member\nґанок: member\n");

    const Outcome some = run({"check", file, "K1", "K1/P", "UA3АБ"});
    EXPECT_EQ(some.code, zvkdb::kNotAllMembers);
    EXPECT_EQ(some.out, "K1: member\nK1/P: not a member\nUA3АБ: not a member\n");
}

TEST_F(ZvkdbCommand, CheckInAColumnWithoutTextFindsNobodyAndSaysWhy) {
    Bytes file = memberFile();                 // UA3ABC, RK1ZZ, UA3АБВ
    setCallsignType(file, locate(file), 0x09); // Binary
    writeFile(dir_.file("binary.mdb"), file);
    const Outcome outcome = run({"check", path("binary.mdb"), "", "UA3ABC"});
    EXPECT_EQ(outcome.code, zvkdb::kNotAllMembers);
    EXPECT_EQ(outcome.out, ": not a member\nUA3ABC: not a member\n");
    EXPECT_THAT(outcome.err, HasSubstr("column 'Callsign' holds no text"));
}

TEST_F(ZvkdbCommand, WrongPasswordIsRefusedClearly) {
    const std::string file = path("members.mdb");
    ASSERT_EQ(run({"create", file, "--password", "секрет"}, "K1\n").code, zvkdb::kSuccess);
    for (const char* verb : {"list", "check"}) {
        std::vector<std::string> args = {verb, file, "--password", "w52rt7jh"};
        if (verb == std::string("check"))
            args.push_back("K1");
        const Outcome refused = run(args);
        EXPECT_EQ(refused.code, zvkdb::kFailure) << verb;
        EXPECT_EQ(refused.out, "") << verb;
        EXPECT_THAT(refused.err, HasSubstr("wrong database password")) << verb;
    }
    EXPECT_EQ(run({"list", file, "--password", "секрет"}).out, "K1\n");
}

TEST_F(ZvkdbCommand, BadFilesAndNamesAreReported) {
    const std::string members = path("members.mdb"), text = path("notes.txt"), cut = path("cut.mdb");
    ASSERT_EQ(run({"create", members}, "K1\n").code, zvkdb::kSuccess);
    writeFile(dir_.file("notes.txt"), std::vector<uint8_t>(5000, 'x'));
    std::vector<uint8_t> bytes = readFile(dir_.file("members.mdb"));
    bytes.resize(bytes.size() - 3000);
    writeFile(dir_.file("cut.mdb"), bytes);

    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"list", path("absent.mdb")}, "no such file"},
        {{"list", text}, "not a readable Jet 4.0 database"},
        {{"info", text}, "not a readable Jet 4.0 database"},
        {{"check", text, "K1"}, "not a readable Jet 4.0 database"},
        {{"info", cut}, "not a whole number of pages"},
        {{"list", cut}, "not a whole number of pages"},
        {{"check", cut, "K1"}, "not a whole number of pages"},
        {{"list", members, "--table", "members"}, "no table 'members'"},
        {{"list", members, "--column", "Call"}, "has no column 'Call'"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.args);
        EXPECT_EQ(outcome.code, zvkdb::kFailure) << c.args[1];
        EXPECT_THAT(outcome.err, StartsWith("zvkdb: "));
        EXPECT_THAT(outcome.err, HasSubstr(c.message));
    }
}

} // namespace
