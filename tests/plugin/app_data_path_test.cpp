// The application-data folder through vnxfsys.dll: the stand-in, its broken builds and a probing build,
// each found in its own folder by the library search.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

#include "../dll/fake_host.h"
#include "plugin/lifecycle.h"
#include "plugin/vnx_api.h"
#include "tests/support/library_folder.h"
#include "runtime/cp1251.h"

using namespace zvk;
using testing_support::LibraryFolder;
using testing_support::ProbeEnvironment;

namespace {

class VnxApi : public ::testing::Test {
  protected:
    ProbeEnvironment probe;
};

std::string failureOf(const char* folder) {
    LibraryFolder library(folder);
    try {
        AppDataPath();
    } catch (const EvnxAPI& e) {
        EXPECT_EQ(GetModuleHandleA("vnxfsys.dll"), nullptr) << "freed as the error passes";
        return e.what();
    }
    return "no error";
}

TEST_F(VnxApi, TheStandInAnswersTheApplicationDataFolder) {
    LibraryFolder library(VNXFSYS_DIR);
    char expected[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, expected), S_OK);
    EXPECT_EQ(AppDataPath(), expected);
    EXPECT_EQ(GetModuleHandleA("vnxfsys.dll"), nullptr);
}

TEST_F(VnxApi, AMissingLibraryOrEntryPointIsAnErrorNamingTheLibrary) {
    EXPECT_EQ(failureOf(EMPTY_DIR), Cp1251FromWide(L"Не удалось загрузить библиотеку vnxfsys.dll"));
    EXPECT_EQ(failureOf(VNXFSYS_NOEXPORT_DIR),
              Cp1251FromWide(L"Неверная версия библиотеки \"Vantor API\" (DLL: vnxfsys.dll)\r\n"
                             L"Возможно на вашем компьютере установлена старая версия\r\n"
                             L"библиотеки \"Vantor API\". Обновите её."));
}

TEST_F(VnxApi, TheLowWordOfTheResultTellsAndTheBufferIsTakenUpToItsEnd) {
    LibraryFolder library(VNXFSYS_PROBE_DIR);
    probe.set("VNXFSYS_PROBE_FOLDER", "C:\\Users\\op\\AppData\\Roaming");
    struct Case {
        const char* result;
        const char* fill;
        std::string folder;
    } cases[] = {
        {"1", nullptr, "C:\\Users\\op\\AppData\\Roaming"},
        {"10001", nullptr, "C:\\Users\\op\\AppData\\Roaming"},
        {"10000", nullptr, ""},
        {"0", nullptr, ""},
        {"1", "x", std::string(261, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("result ") + c.result);
        probe.set("VNXFSYS_PROBE_RESULT", c.result);
        probe.set("VNXFSYS_PROBE_FILL", c.fill);
        EXPECT_EQ(AppDataPath(), c.folder);
    }
    EXPECT_EQ(probe.get("VNXFSYS_PROBE_LOADS"), "5") << "loaded afresh for every lookup";
    EXPECT_EQ(GetModuleHandleA("vnxfsys.dll"), nullptr);
}

TEST_F(VnxApi, AFailingLibraryGivesAnEmptyFolder) {
    LibraryFolder library(VNXFSYS_FAIL_DIR);
    EXPECT_EQ(AppDataPath(), "");
}

TEST_F(VnxApi, TheLibraryGetsTheApplicationWindowOnlyWhileThePluginRuns) {
    CoInitialize(nullptr);
    LibraryFolder library(VNXFSYS_PROBE_DIR);
    fake::Host host;
    host.application.handle = reinterpret_cast<HWND>(0x4321);
    AppDataPath();
    EXPECT_EQ(probe.get("VNXFSYS_PROBE_OWNER"), "0") << "before the first run";
    RunPlugin(&host.context);
    AppDataPath();
    EXPECT_EQ(probe.get("VNXFSYS_PROBE_OWNER"), "4321");
    ReleasePlugin();
    AppDataPath();
    EXPECT_EQ(probe.get("VNXFSYS_PROBE_OWNER"), "0") << "after release";
    CoUninitialize();
}

} // namespace
