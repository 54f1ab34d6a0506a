#include "runtime/session.h"

#include <commctrl.h>
#include <objbase.h>

namespace zvk {

ThreadSession::ThreadSession() {
    // S_FALSE (the host set COM up already) counts too and is balanced the same way; RPC_E_CHANGED_MODE
    // (a multithreaded apartment) is as good for our objects and takes no reference.
    initialised_ = SUCCEEDED(CoInitialize(nullptr));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

ThreadSession::~ThreadSession() {
    if (initialised_) {
        CoUninitialize();
    }
}

} // namespace zvk
