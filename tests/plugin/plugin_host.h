// The plug-in running in-process over a fake logbook, with a member file in its data folder.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../dll/fake_host.h"
#include "plugin/lifecycle.h"
#include "settings/config.h"
#include "temp_folder.h"
#include "registry/jet4/writer/jet4_writer.h"

namespace testing_support {

class RunningPlugin : public ::testing::Test {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        zvk::Config.SelectColor = 0x9DFFFF;
        zvk::Config.EnableSound = true;
        host.environment.folder = folder.path();
        zvkFolder = folder.folder("ZVK");
    }
    void TearDown() override {
        zvk::ReleasePlugin();
        CoUninitialize();
    }
    void writeMembers(const std::vector<std::u16string>& callsigns) {
        TempFolder::write(zvkFolder + "\\zvk.mdb", jet4::writeMemberDatabase(callsigns, u"w52rt7jh"));
    }
    void run() { ASSERT_NE(zvk::RunPlugin(&host.context), nullptr); }

    TempFolder folder;
    std::string zvkFolder;
    fake::Host host;
};

} // namespace testing_support
