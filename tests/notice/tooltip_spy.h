// Records the messages a tooltip window receives from the notice, with what they carried.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace testing_support {

struct TooltipMessage {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    std::string text; // TTM_UPDATETIPTEXTA: the tool's text; TTM_SETTITLEA: the title
};

class TooltipSpy {
  public:
    explicit TooltipSpy(HWND tooltip) : tooltip_(tooltip) {
        SetPropA(tooltip, "spy", this);
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(tooltip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    }
    ~TooltipSpy() {
        if (IsWindow(tooltip_)) {
            SetWindowLongPtrA(tooltip_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
            RemovePropA(tooltip_, "spy");
        }
    }
    TooltipSpy(const TooltipSpy&) = delete;

    std::vector<TooltipMessage> messages;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        auto* spy = static_cast<TooltipSpy*>(GetPropA(window, "spy"));
        if (message >= WM_USER && message < WM_USER + 0x100) {
            TooltipMessage seen{message, wparam, lparam, {}};
            if (message == TTM_UPDATETIPTEXTA) {
                const char* text = reinterpret_cast<const TTTOOLINFOA*>(lparam)->lpszText;
                seen.text = text ? text : "";
            } else if (message == TTM_SETTITLEA && lparam) {
                seen.text = reinterpret_cast<const char*>(lparam);
            }
            spy->messages.push_back(seen);
        }
        return CallWindowProcA(spy->previous_, window, message, wparam, lparam);
    }

    HWND tooltip_;
    WNDPROC previous_ = nullptr;
};

// Runs the thread's pending messages (through GetMessage, so that message hooks see them).
inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Pumps until the condition holds, or gives up after a generous bound.
template <class Condition> bool PumpUntil(Condition condition, DWORD milliseconds = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

} // namespace testing_support
