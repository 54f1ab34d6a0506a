// The zvkdb program itself: standard input, exit codes and usage errors as a shell sees them.
#include "run_shell.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::HasSubstr;

const std::string kZvkdb = shellQuote(ZVKDB_EXE);

TEST(ZvkdbProgram, CreatesFromStandardInputAndExitsWithTheCheckResult) {
    TempDir dir;
    const std::string file = shellQuote(dir.file("members.mdb").string());
    ASSERT_EQ(runShell("printf 'UA3АБВ\\r\\nK1\\n' | " + kZvkdb + " create " + file).exitCode, 0);

    EXPECT_EQ(runShell(kZvkdb + " check " + file + " UA3АБВ K1").exitCode, 0);
    const CommandResult some = runShell(kZvkdb + " check " + file + " UA3АБВ K2");
    EXPECT_EQ(some.exitCode, 1);
    EXPECT_EQ(some.out, "UA3АБВ: member\nK2: not a member\n");
    EXPECT_EQ(runShell(kZvkdb + " check " + file + " K1 --password wrong 2>/dev/null").exitCode, 2);
}

TEST(ZvkdbProgram, BadUsageExitsWithTwoAndShowsUsage) {
    for (const char* args : {"", "frobnicate x.mdb", "check x.mdb", "list x.mdb --force"}) {
        const CommandResult result = runShell(kZvkdb + " " + args + " 2>&1");
        EXPECT_EQ(result.exitCode, 2) << args;
        EXPECT_THAT(result.out, HasSubstr("usage:")) << args;
    }
    EXPECT_EQ(runShell(kZvkdb + " --help").exitCode, 0);
}

} // namespace
