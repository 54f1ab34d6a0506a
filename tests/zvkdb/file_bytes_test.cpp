// The read commands map the member file: a file cut short meanwhile must end the tool, not crash it.
#include "temp_dir.h"
#include "tools/zvkdb/file_bytes.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(FileBytesDeathTest, AFileCutShortWhileMappedEndsTheToolAsAFailure) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempDir dir;
    const auto path = dir.file("members.mdb");
    writeFile(path, std::vector<uint8_t>(4 * 4096, 0x5A));
    EXPECT_EXIT(
        {
            const zvkdb::FileBytes file(path.string());
            if (::truncate(path.c_str(), 4096) != 0)
                std::_Exit(99);
            volatile uint8_t last = file.data()[file.size() - 1];
            (void)last;
            std::_Exit(0);
        },
        testing::ExitedWithCode(2), "cut short while it was being read");
}

} // namespace
