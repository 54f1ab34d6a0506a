// What the first run reads from the plug-in data folder: the settings and the member database.
#include <gtest/gtest.h>

#include "../dll/fake_host.h"
#include "plugin/lifecycle.h"
#include "plugin/member_database.h"
#include "runtime/cp1251.h"
#include "settings/config.h"
#include "temp_folder.h"
#include "registry/jet4/writer/jet4_writer.h"

using namespace zvk;
using testing_support::TempFolder;

namespace {

class FirstRun : public ::testing::Test {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        Config.SelectColor = 0x9DFFFF;
        Config.EnableSound = true;
        host.environment.folder = folder.path();
        zvkFolder = folder.folder("ZVK");
    }
    void TearDown() override {
        ReleasePlugin();
        CoUninitialize();
    }
    void writeMembers(const std::vector<std::u16string>& callsigns,
                      const std::u16string& password = u"w52rt7jh") {
        TempFolder::write(zvkFolder + "\\zvk.mdb", jet4::writeMemberDatabase(callsigns, password));
    }

    TempFolder folder;
    std::string zvkFolder;
    fake::Host host;
};

TEST_F(FirstRun, LoadsTheSettingsAndOpensTheMemberList) {
    TempFolder::write(
        zvkFolder + "\\configuration.xml",
        "<?xml version=\"1.0\"?>\n<Configuration><SelectColor type=\"Integer\">-16777211</SelectColor>"
        "<EnableSound type=\"Integer\">0</EnableSound></Configuration>\n");
    writeMembers({u"UA3AAA", u"RA9\x0416\x0416"});
    ASSERT_NE(RunPlugin(&host.context), nullptr);
    EXPECT_EQ(Config.SelectColor, -16777211);
    EXPECT_FALSE(Config.EnableSound);
    EXPECT_EQ(Config.FileName(), zvkFolder + "\\configuration.xml");
    EXPECT_TRUE(IsMember("UA3AAA"));
    EXPECT_TRUE(IsMember("ra9\xE6\xE6"));
    EXPECT_FALSE(IsMember("UA3AA"));

    ReleasePlugin();
    EXPECT_FALSE(IsMember("UA3AAA")) << "release closes the member list";
}

TEST_F(FirstRun, RunsOnWithoutAUsableMemberFile) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
    } cases[] = {
        {"no file", [] {}},
        {"another password", [&] { writeMembers({u"UA3AAA"}, u"secret"); }},
        {"not a database", [&] { TempFolder::write(zvkFolder + "\\zvk.mdb", std::string(5000, 'x')); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA((zvkFolder + "\\zvk.mdb").c_str());
        c.prepare();
        HWND form = RunPlugin(&host.context);
        EXPECT_TRUE(IsWindow(form));
        EXPECT_FALSE(IsMember("UA3AAA"));
        EXPECT_EQ(Config.SelectColor, 0x9DFFFF) << "no settings file leaves the defaults";
        EXPECT_FALSE(fake::same(host.mainGrid.slot, host.mainDraw.drawPair()))
            << "the grids are hooked anyway";
        ReleasePlugin();
    }
}

TEST_F(FirstRun, LaterRunsReadNothingAgain) {
    writeMembers({u"UA3AAA"});
    RunPlugin(&host.context);
    const int asked = host.environment.calls;
    DeleteFileA((zvkFolder + "\\zvk.mdb").c_str());
    RunPlugin(&host.context);
    EXPECT_EQ(host.environment.calls, asked);
    EXPECT_TRUE(IsMember("UA3AAA")) << "rows were fetched at the first run";
}

} // namespace
