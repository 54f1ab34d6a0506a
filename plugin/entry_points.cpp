// The six exports. Each runs inside the error boundary: nothing of the C++ runtime leaves the module.
#include <type_traits>

#include "plugin/lifecycle.h"
#include "runtime/boundary.h"

using namespace zvk;

extern "C" {

void __stdcall OmbexShowOptionsDialog(HWND Parent) {
    GuardedEntry([&] { ShowOptionsDialog(Parent); });
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

// Each export has exactly the type the logbook calls it through: on i686 a difference of calling
// convention is a difference of type.
static_assert(std::is_same_v<decltype(&OmbexShowOptionsDialog), OmbexShowOptionsDialogProc>);
static_assert(std::is_same_v<decltype(&OmbexSendNotify), OmbexSendNotifyProc>);
static_assert(std::is_same_v<decltype(&OmbexRelease), OmbexReleaseProc>);
static_assert(std::is_same_v<decltype(&OmbexRun), OmbexRunProc>);
static_assert(std::is_same_v<decltype(&OmbexGetInfo), OmbexGetInfoProc>);
static_assert(std::is_same_v<decltype(&OmbexGetVersion), OmbexGetVersionProc>);
