// The plug-in's application object takes over the host's window and title while the plug-in runs.
#include <gtest/gtest.h>

#include "../dll/fake_host.h"
#include "plugin/globals.h"
#include "plugin/lifecycle.h"
#include "runtime/application.h"

using namespace zvk;

namespace {

TEST(PluginApplication, AdoptsTheHostWindowAndTitleUntilRelease) {
    CoInitialize(nullptr);
    fake::Host host;
    host.application.handle = reinterpret_cast<HWND>(0x1234);
    host.application.title = std::string(300, 'T'); // longer than a window title the runtime keeps
    TApplicationState& application = PluginApplication();
    const HWND own = application.Handle;

    RunPlugin(&host.context);
    EXPECT_EQ(application.Handle, host.application.handle);
    EXPECT_EQ(application.Title, std::string(255, 'T'));
    EXPECT_EQ(SavedAppHandle, own);

    ReleasePlugin();
    EXPECT_EQ(application.Handle, own);
    EXPECT_EQ(application.Title, std::string(255, 'T')) << "the title stays the host's";
    EXPECT_EQ(HostContext, &host.context) << "the context is kept after release";
    CoUninitialize();
}

} // namespace
