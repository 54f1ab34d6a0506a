// The plug-in's lifecycle through its exports, as the logbook drives it.
#include <gtest/gtest.h>

#include <thread>

#include "fake_host.h"
#include "plugin_fixture.h"
#include "message_box_catcher.h"
#include "tests/support/library_folder.h"

using fake::Host;
using fake::Plugin;

namespace {

const char* const FormProp = "{8E5FED65-0336-4379-92FD-0E509B91320F}";

INT_PTR formState(HWND form) {
    return reinterpret_cast<INT_PTR>(GetPropA(form, FormProp));
}

using Lifecycle = fake::PluginFixture;

TEST_F(Lifecycle, RunCreatesTheHiddenFormAndLaterRunsOnlyAnswerItsHandle) {
    HWND form = plugin.run(&host.context);
    ASSERT_TRUE(IsWindow(form));
    EXPECT_FALSE(IsWindowVisible(form));
    EXPECT_EQ(formState(form), 1);
    char caption[32] = {};
    GetWindowTextA(form, caption, sizeof caption);
    EXPECT_STREQ(caption, "MainForm");
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, 280);
    EXPECT_EQ(client.bottom, 97);
    EXPECT_EQ(GetWindowLongA(form, GWL_STYLE) & (WS_BORDER | WS_CAPTION | WS_THICKFRAME), 0);

    const int applicationCalls = host.mainWindow.applicationCalls;
    const int repaints = host.mainGrid.repaints;
    EXPECT_EQ(plugin.run(&host.context), form);
    EXPECT_EQ(host.mainWindow.applicationCalls, applicationCalls);
    EXPECT_EQ(host.mainGrid.repaints, repaints);
    plugin.release();
    EXPECT_FALSE(IsWindow(form));
}

TEST_F(Lifecycle, FormPropertyFollowsShowAndClose) {
    HWND form = plugin.run(&host.context);
    ShowWindow(form, SW_SHOWNOACTIVATE);
    EXPECT_EQ(formState(form), 2);
    SendMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(formState(form), 1);
    EXPECT_TRUE(IsWindow(form)) << "closing only hides the form";
    EXPECT_FALSE(IsWindowVisible(form));
    // A host that docks the form may show it without ShowWindow.
    SetWindowPos(form, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_EQ(formState(form), 2);
    plugin.release();
}

TEST_F(Lifecycle, ReleaseThenRunGivesANewWindowAndAWorkingPlugin) {
    HWND first = plugin.run(&host.context);
    plugin.release();
    EXPECT_TRUE(fake::same(host.mainGrid.slot, host.mainDraw.drawPair()));
    HWND second = plugin.run(&host.context);
    ASSERT_TRUE(IsWindow(second));
    EXPECT_NE(first, second);
    EXPECT_FALSE(fake::same(host.mainGrid.slot, host.mainDraw.drawPair())) << "hooked again";
    host.log.clear();
    fake::Field field;
    field.name = "Date";
    EXPECT_EQ(host.mainGrid.draw(TRect{0, 0, 10, 10}, &field), S_OK);
    EXPECT_EQ(host.log, fake::Log{"host-main-draw"});
    plugin.release();
}

TEST_F(Lifecycle, ReleaseWithoutRunDoesNothing) {
    plugin.release();
    plugin.release();
    HWND form = plugin.run(&host.context);
    EXPECT_TRUE(IsWindow(form));
    plugin.release();
}

TEST_F(Lifecycle, NotificationsBeforeRunAndAfterReleaseAreIgnored) {
    EXPECT_EQ(plugin.notify(2, 1), 0);
    EXPECT_EQ(plugin.notify(4, 23), 0);
    plugin.run(&host.context);
    plugin.release();
    EXPECT_EQ(plugin.notify(3, 1), 0);
    EXPECT_TRUE(fake::same(host.edit.change, host.change.notifyPair()));
}

TEST_F(Lifecycle, AFailedRunShowsItsErrorAndALaterRunStartsAgain) {
    host.mainWindow.application = nullptr; // a host that cannot offer its application object
    for (TPluginContext* context : {static_cast<TPluginContext*>(nullptr), &host.context}) {
        fake::MessageBoxCatcher catcher;
        EXPECT_EQ(plugin.run(context), nullptr);
        ASSERT_EQ(fake::MessageBoxCatcher::boxes().size(), 1u);
        EXPECT_EQ(fake::MessageBoxCatcher::boxes()[0].text.back(), '.')
            << "shown as the runtime shows errors";
    }
    EXPECT_TRUE(fake::same(host.mainGrid.slot, host.mainDraw.drawPair())) << "nothing hooked";

    host.mainWindow.application = &host.application;
    HWND retried = plugin.run(&host.context);
    EXPECT_TRUE(IsWindow(retried));
    EXPECT_FALSE(fake::same(host.mainGrid.slot, host.mainDraw.drawPair()));
    plugin.release();
}

TEST_F(Lifecycle, AFailedRunIsShownOverTheLogbooksWindowAndGivesItBack) {
    // The logbook's application window: a real one, so that a message box can be owned by it.
    HWND logbook =
        CreateWindowExA(0, "STATIC", "Brevlog", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(logbook);
    host.application.handle = logbook;
    host.mainWindow.applicationOffers = 1; // the window is adopted, then the title cannot be read
    {
        fake::MessageBoxCatcher catcher;
        EXPECT_EQ(plugin.run(&host.context), nullptr);
        ASSERT_EQ(fake::MessageBoxCatcher::boxes().size(), 1u);
        EXPECT_EQ(fake::MessageBoxCatcher::boxes()[0].owner, logbook) << "the logbook waits for the operator";
    }
    host.mainWindow.applicationOffers = -1;
    ASSERT_TRUE(IsWindow(plugin.run(&host.context)));
    plugin.release();
    {
        // Release gave the plug-in its own window (none) back, not the one a failed run had adopted.
        fake::MessageBoxCatcher catcher;
        EXPECT_EQ(plugin.run(nullptr), nullptr);
        ASSERT_EQ(fake::MessageBoxCatcher::boxes().size(), 1u);
        EXPECT_EQ(fake::MessageBoxCatcher::boxes()[0].owner, nullptr);
    }
    plugin.release();
    DestroyWindow(logbook);
}

TEST_F(Lifecycle, UnloadingWithoutReleaseCallsNothingOfTheHost) {
    HWND form = plugin.run(&host.context);
    fake::hostCalls() = 0;
    plugin.unload(); // the host's objects may be gone by now, and the loader lock is held
    EXPECT_EQ(fake::hostCalls(), 0);
    EXPECT_FALSE(IsWindow(form)) << "the plug-in's own window goes with it";
}

// COM on the thread as the plug-in found it: none, or the host's own reference, after any cycle of
// load, run, release and unload, and after the options dialog (which may come before any run).
TEST(ThreadApartment, EveryCycleLeavesItAsItWas) {
    // The dialog reads and writes its settings through COM; here it finds no folder and is closed with OK.
    testing_support::LibraryFolder library(VNXFSYS_PROBE_DIR);
    testing_support::ProbeEnvironment probe;
    probe.set("VNXFSYS_PROBE_FOLDER", "C:\\nonexistent-application-data");
    std::thread([] {
        const fake::MessageBoxCatcher closesTheDialog;
        {
            Host host;
            Plugin plugin;
            plugin.proc<OmbexShowOptionsDialogProc>("OmbexShowOptionsDialog")(nullptr);
            plugin.run(&host.context);
            plugin.release();
            plugin.run(&host.context);
            plugin.release();
        }
        EXPECT_EQ(CoInitialize(nullptr), S_OK) << "no apartment was left on a thread without COM";
        {
            Host host;
            Plugin plugin;
            plugin.run(&host.context);
            plugin.proc<OmbexShowOptionsDialogProc>("OmbexShowOptionsDialog")(nullptr);
            plugin.release();
        }
        CoUninitialize();
        EXPECT_EQ(CoInitialize(nullptr), S_OK) << "the host's own reference was the last one";
        CoUninitialize();
    }).join();
}

TEST_F(Lifecycle, VersionAndInfoRecord) {
    EXPECT_EQ(plugin.proc<OmbexGetVersionProc>("OmbexGetVersion")(), 52);

    unsigned char record[64];
    std::memset(record, 0xAB, sizeof record);
    plugin.proc<OmbexGetInfoProc>("OmbexGetInfo")(reinterpret_cast<TPluginInfo*>(record));
    TPluginInfo info;
    std::memcpy(&info, record, offsetof(TPluginInfo, Flag));
    EXPECT_STREQ(info.Name, "\xD7\xEB\xE5\xED\xFB ZVK");
    EXPECT_STREQ(info.Description, "\xD7\xEB\xE5\xED\xFB ZVK. \xC2\xE5\xF0\xF1\xE8\xFF 2.2.0");
    EXPECT_NE(std::string(info.Copyright).find("Vantor"), std::string::npos);
    EXPECT_EQ(record[offsetof(TPluginInfo, Flag)], 0);
    for (size_t i = offsetof(TPluginInfo, Flag) + 1; i < sizeof record; ++i) {
        ASSERT_EQ(record[i], 0xAB) << "byte " << i << " after the flag was written";
    }
}

TEST_F(Lifecycle, ExportsAnswerByNameAndByOrdinal) {
    const char* names[] = {"OmbexShowOptionsDialog", "OmbexSendNotify", "OmbexRelease", "OmbexRun",
                           "OmbexGetInfo",           "OmbexGetVersion"};
    for (int ordinal = 1; ordinal <= 6; ++ordinal) {
        FARPROC byName = GetProcAddress(plugin.module(), names[ordinal - 1]);
        ASSERT_NE(byName, nullptr) << names[ordinal - 1];
        EXPECT_EQ(GetProcAddress(plugin.module(), MAKEINTRESOURCEA(ordinal)), byName) << names[ordinal - 1];
    }
    EXPECT_EQ(GetProcAddress(plugin.module(), MAKEINTRESOURCEA(7)), nullptr);
}

} // namespace
