// Many run/release and load/unload cycles leave nothing behind in the host's process.
#include <gtest/gtest.h>

#include "fake_host.h"

namespace {

struct Counts {
    int windows;
    DWORD gdi, user;
    bool operator==(const Counts& other) const {
        return windows == other.windows && gdi == other.gdi && user == other.user;
    }
};

BOOL CALLBACK countWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// Wine answers 0 for the GDI and user object counts, so there only the window count bites; on Windows
// all three do.
Counts counts() {
    Counts c{0, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
             GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&c.windows));
    return c;
}

void exercise(fake::Host& host, fake::Plugin& plugin) {
    plugin.run(&host.context);
    fake::Field field;
    field.name = "\xCF\xEE\xE7\xFB\xE2\xED\xEE\xE9";
    host.mainGrid.draw(TRect{0, 0, 40, 18}, &field);
    fake::Edit::fire(host.edit.change, &host.edit);
    fake::Edit::fire(host.edit.exit, &host.edit);
    plugin.notify(3, 1);
    plugin.notify(2, 1);
    plugin.release();
}

TEST(Cycles, RunReleaseAndLoadUnloadLeakNoWindowsOrObjects) {
    CoInitialize(nullptr);
    fake::Host host;
    {
        fake::Plugin warmUp;
        exercise(host, warmUp);
    }
    const Counts before = counts();
    HMODULE module = nullptr;
    {
        fake::Plugin plugin;
        module = plugin.module();
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        plugin.run(&host.context);
        EXPECT_TRUE(GetClassInfoExA(module, "TMainForm", &windowClass)) << "the check below can fail";
        plugin.release();
        for (int i = 0; i < 200; ++i) {
            exercise(host, plugin);
        }
    }
    for (int i = 0; i < 20; ++i) {
        fake::Plugin plugin;
        exercise(host, plugin);
    }
    const Counts after = counts();
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    EXPECT_FALSE(GetClassInfoExA(module, "TMainForm", &windowClass)) << "the class went with the module";
    CoUninitialize();
}

} // namespace
