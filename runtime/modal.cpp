#include "runtime/modal.h"

namespace zvk {

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND keep) : keep_(keep) {
    EnumThreadWindows(GetCurrentThreadId(), &disable, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK ThreadWindowsDisabled::disable(HWND window, LPARAM self) {
    auto* windows = reinterpret_cast<ThreadWindowsDisabled*>(self);
    if (window != windows->keep_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
        // Called back from user32: nothing may unwind through it. A window that cannot be remembered
        // is left enabled rather than left disabled for good.
        try {
            windows->disabled_.push_back(window);
        } catch (...) {
            return TRUE;
        }
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
    for (HWND window : disabled_) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
}

bool RunMessagesUntil(const std::function<bool()>& finished, const std::function<bool(MSG&)>& handled) {
    while (!finished()) {
        MSG message{};
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
            return false;
        }
        if (!handled(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return true;
}

bool RunModalLoop(HWND dialog, const std::function<bool()>& finished) {
    return RunMessagesUntil(
        finished, [dialog](MSG& message) { return IsWindow(dialog) && IsDialogMessageA(dialog, &message); });
}

} // namespace zvk
