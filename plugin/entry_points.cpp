// The six exports. Each runs inside the error boundary: nothing of the C++ runtime leaves the module.
#include "plugin/lifecycle.h"
#include "runtime/boundary.h"

using namespace zvk;

extern "C" {

void __stdcall OmbexShowOptionsDialog(HWND Parent) {
    GuardedEntry([&] { (void)Parent; });
}

int32_t __stdcall OmbexSendNotify(int32_t MsgType, int32_t Code) {
    GuardedEntry([&] { SendNotify(MsgType, Code); });
    return 0;
}

void __stdcall OmbexRelease() {
    GuardedEntry([] { ReleasePlugin(); });
}

HWND __stdcall OmbexRun(TPluginContext* Context, int32_t Reserved) {
    (void)Reserved;
    return GuardedEntry(static_cast<HWND>(nullptr), [&] { return RunPlugin(Context); });
}

void __stdcall OmbexGetInfo(TPluginInfo* Info) {
    GuardedEntry([&] { FillPluginInfo(Info); });
}

int32_t __stdcall OmbexGetVersion() {
    return PluginVersion;
}

} // extern "C"
