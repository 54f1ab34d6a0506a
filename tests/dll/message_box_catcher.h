// Closes the message boxes shown on this thread while it lives, and keeps their texts.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace fake {

class MessageBoxCatcher {
  public:
    struct Box {
        std::string caption, text;
        HWND owner;
    };

    MessageBoxCatcher() {
        boxes().clear();
        timer_ = SetTimer(nullptr, 0, 20, &onTimer);
    }
    ~MessageBoxCatcher() { KillTimer(nullptr, timer_); }
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;

    static std::vector<Box>& boxes() {
        static std::vector<Box> shown;
        return shown;
    }

  private:
    static BOOL CALLBACK closeBox(HWND window, LPARAM) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770" && IsWindowVisible(window)) {
            char caption[256] = {}, text[1024] = {};
            GetWindowTextA(window, caption, sizeof caption);
            GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
            boxes().push_back({caption, text, GetWindow(window, GW_OWNER)});
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), closeBox, 0);
    }

    UINT_PTR timer_;
};

} // namespace fake
