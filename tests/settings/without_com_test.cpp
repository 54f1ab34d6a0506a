// Where no XML DOM can be made (here: a thread that never initialised COM), Load and Save fail loudly.
#include <gtest/gtest.h>

#include <thread>

#include "runtime/exception.h"
#include "settings/config.h"
#include "settings_files.h"

namespace zvk {
namespace {

TEST(WithoutDom, LoadAndSaveThrowAndChangeNothing) {
    test::TempFolder folder;
    const std::string file = folder.File("configuration.xml");
    test::WriteConfiguration(file, "<SelectColor type=\"Integer\">255</SelectColor>");
    const std::string written = test::ReadBytes(file);
    TConfig config;
    config.EnableSound = false;

    std::thread([&] {
        EXPECT_THROW(config.Load(file), EOleError);
        EXPECT_THROW(config.Save(), EOleError);
    }).join();

    EXPECT_EQ(config.SelectColor, 10354687);
    EXPECT_FALSE(config.EnableSound);
    EXPECT_EQ(test::ReadBytes(file), written);
}

} // namespace
} // namespace zvk
