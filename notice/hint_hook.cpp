#include "notice/hint_hook.h"

#include "notice/manual_hint.h"
#include "runtime/unique_handles.h"

namespace zvk {

namespace {

UniqueHook HintHook;

} // namespace

bool HintHookInstalled() {
    return static_cast<bool>(HintHook);
}

void InstallHintHook() {
    if (!HintHook) {
        HintHook.reset(SetWindowsHookExA(WH_GETMESSAGE, &HintMessageHook, nullptr, GetCurrentThreadId()));
    }
}

void RemoveHintHook() {
    HintHook.reset();
}

LRESULT CALLBACK HintMessageHook(int code, WPARAM wparam, LPARAM lparam) {
    const LRESULT next = CallNextHookEx(HintHook.get(), code, wparam, lparam);
    if (next != 0 || CurrentHint == nullptr) {
        return next;
    }
    // Called from inside the host's message loop: nothing may escape into it.
    try {
        const MSG& message = *reinterpret_cast<const MSG*>(lparam);
        TManualHint& hint = *CurrentHint;
        switch (message.message) {
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            if (WindowFromPoint(message.pt) == hint.FHintWindow) {
                hint.FPressed = true;
            } else {
                hint.HideHint();
            }
            break;
        case WM_KEYDOWN:
            if (message.wParam == VK_ESCAPE) {
                hint.HideHint();
            }
            break;
        case WM_LBUTTONUP:
            if (hint.FPressed && WindowFromPoint(message.pt) == hint.FHintWindow) {
                hint.DoClick();
            }
            break;
        default:
            break;
        }
    } catch (...) {
    }
    return 0;
}

} // namespace zvk
