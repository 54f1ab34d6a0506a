// The vnxfsys.dll stand-in and its two broken builds, as the plug-in sees them through LoadLibrary.
#include "host/win_handles.h"
#include "sdk/vnxfsys.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string.h>

namespace brevlog {
namespace {

using FsGetAppDataPath = fsGetAppDataPathProc;

FsGetAppDataPath Lookup(HMODULE module) {
    return reinterpret_cast<FsGetAppDataPath>(
        reinterpret_cast<void*>(GetProcAddress(module, "fsGetAppDataPath")));
}

TEST(VnxfsysStandIn, AnswersTheApplicationDataFolderWithoutTrailingBackslash) {
    UniqueModule library(LoadLibraryA(VNXFSYS_PATH));
    ASSERT_TRUE(library);
    FsGetAppDataPath lookup = Lookup(library.get());
    ASSERT_NE(lookup, nullptr);

    char buffer[261];
    memset(buffer, 'x', sizeof buffer);
    ASSERT_TRUE(lookup(nullptr, buffer));
    char expected[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, expected), S_OK);
    ASSERT_NE(memchr(buffer, '\0', sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, expected);
    size_t length = strlen(buffer);
    ASSERT_GT(length, 0u);
    EXPECT_NE(buffer[length - 1], '\\');
}

TEST(VnxfsysStandIn, BrokenBuildsLackTheExportOrReportFailure) {
    UniqueModule outdated(LoadLibraryA(VNXFSYS_NOEXPORT_PATH));
    ASSERT_TRUE(outdated);
    EXPECT_EQ(Lookup(outdated.get()), nullptr);

    UniqueModule failing(LoadLibraryA(VNXFSYS_FAIL_PATH));
    ASSERT_TRUE(failing);
    FsGetAppDataPath lookup = Lookup(failing.get());
    ASSERT_NE(lookup, nullptr);
    char buffer[261] = {};
    EXPECT_FALSE(lookup(nullptr, buffer));
}

} // namespace
} // namespace brevlog
