// zvkdb's command-line parsing.
#include "tools/zvkdb/cli_options.h"

#include <gtest/gtest.h>

namespace {

using zvkdb::Options;
using zvkdb::Verb;

TEST(CliOptions, DefaultsAndGivenValues) {
    const Options list = zvkdb::parseOptions({"list", "m.mdb"});
    EXPECT_EQ(list.verb, Verb::List);
    EXPECT_EQ(list.file, "m.mdb");
    EXPECT_EQ(list.table, "main");
    EXPECT_EQ(list.column, "Callsign");
    EXPECT_EQ(list.password, "w52rt7jh");

    const Options custom =
        zvkdb::parseOptions({"list", "--table", "Члены", "m.mdb", "--column=Позывной", "--password="});
    EXPECT_EQ(custom.file, "m.mdb");
    EXPECT_EQ(custom.table, "Члены");
    EXPECT_EQ(custom.column, "Позывной");
    EXPECT_EQ(custom.password, "");

    const Options check =
        zvkdb::parseOptions({"check", "m.mdb", "UA3ABC", "--password", "p", "K1", "--", "--X"});
    EXPECT_EQ(check.callsigns, (std::vector<std::string>{"UA3ABC", "K1", "--X"}));
    EXPECT_EQ(check.password, "p");

    EXPECT_TRUE(zvkdb::parseOptions({"list", "m.mdb", "--csv"}).csv);
    EXPECT_FALSE(zvkdb::parseOptions({"list", "m.mdb"}).csv);
    EXPECT_TRUE(zvkdb::parseOptions({"create", "m.mdb", "--force"}).force);
    EXPECT_FALSE(zvkdb::parseOptions({"create", "m.mdb"}).force);
    EXPECT_EQ(zvkdb::parseOptions({"--help"}).verb, Verb::Help);
}

TEST(CliOptions, BadCommandLinesAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"drop", "m.mdb"},
        {"list"},
        {"check", "m.mdb"},
        {"info", "m.mdb", "extra"},
        {"list", "m.mdb", "--password"},
        {"list", "m.mdb", "--force"},
        {"check", "m.mdb", "K1", "--table", "t"},
        {"create", "m.mdb", "--force=yes"},
        {"list", "m.mdb", "--csv=yes"},
        {"check", "m.mdb", "K1", "--csv"},
        {"info", "m.mdb", "--colour", "red"},
    };
    for (const auto& args : bad)
        EXPECT_THROW(zvkdb::parseOptions(args), zvkdb::UsageError) << ::testing::PrintToString(args);
}

} // namespace
