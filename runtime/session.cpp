#include "runtime/session.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

namespace zvk {

void EnsureThreadSession() {
    static thread_local bool ready = false;
    if (ready) {
        return;
    }
    // S_FALSE or RPC_E_CHANGED_MODE: the host already set COM up on this thread, which is as good.
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ready = true;
}

} // namespace zvk
