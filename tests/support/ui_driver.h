// Driving real Win32 windows from a test: steps run from a thread timer inside whatever modal loop is
// running, windows found by class, owner and text, input posted as the system would queue it, and client
// areas rendered into a DIB to read pixels. Nothing here waits for a fixed time: every wait is for a
// condition, with a generous bound that only ends a hung test.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

// Ticks a step may take before the script gives up: a hang guard, not a timing expectation.
constexpr int kMaxTicksPerStep = 800;
constexpr UINT kTickMs = 20;

// Steps run one per timer tick, inside the modal loops the code under test runs. A step answers true when
// it is done; until then it runs again at the next tick. A script that gives up runs `abort`, which should
// close whatever is open so that the call under test returns.
class TimerScript {
  public:
    using Step = std::function<bool()>;

    TimerScript(std::vector<Step> steps, std::function<void()> abort)
        : steps_(std::move(steps)), abort_(std::move(abort)) {
        current() = this;
        timer_ = SetTimer(nullptr, 0, kTickMs, &tick);
    }
    ~TimerScript() {
        KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    TimerScript(const TimerScript&) = delete;
    TimerScript& operator=(const TimerScript&) = delete;

    bool finished() const { return next_ == steps_.size(); }
    // How far the script came: the index of the step that did not finish.
    size_t stepsDone() const { return next_; }

  private:
    static TimerScript*& current() {
        static TimerScript* script = nullptr;
        return script;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        TimerScript* script = current();
        if (!script || script->running_ || script->finished() || script->gaveUp_) {
            return;
        }
        script->running_ = true; // a step may pump messages; it must not run again inside itself
        if (script->steps_[script->next_]()) {
            ++script->next_;
            script->ticks_ = 0;
        } else if (++script->ticks_ > kMaxTicksPerStep) {
            script->gaveUp_ = true;
            if (script->abort_) {
                script->abort_();
            }
        }
        script->running_ = false;
    }

    std::vector<Step> steps_;
    std::function<void()> abort_;
    size_t next_ = 0;
    int ticks_ = 0;
    bool running_ = false;
    bool gaveUp_ = false;
    UINT_PTR timer_ = 0;
};

// Runs the thread's messages until `done` holds; false when it did not within the bound.
inline bool PumpUntil(const std::function<bool()>& done) {
    for (int tick = 0; tick < kMaxTicksPerStep * 4; ++tick) {
        if (done()) {
            return true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kTickMs, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return done();
}

inline std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

inline std::wstring text(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

namespace detail {

struct Search {
    std::wstring windowClass;
    HWND owner;
    const wchar_t* caption;
    HWND found;
};

// Named procedures: on i686 a lambda does not convert to a __stdcall callback.
inline BOOL CALLBACK findThreadWindow(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    if (IsWindowVisible(window) && className(window) == s->windowClass &&
        (!s->owner || GetWindow(window, GW_OWNER) == s->owner)) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

inline BOOL CALLBACK findChild(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    if (_wcsicmp(className(window).c_str(), s->windowClass.c_str()) == 0 &&
        (!s->caption || text(window) == s->caption)) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

inline BOOL CALLBACK closeWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    const std::wstring name = className(window);
    if (name == L"TRzColorPicker") {
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
    } else if (name == L"#32770") {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

} // namespace detail

// A visible top-level window of this thread of the class, owned by `owner` unless that is null.
inline HWND FindThreadWindow(const std::wstring& windowClass, HWND owner = nullptr) {
    detail::Search search{windowClass, owner, nullptr, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &detail::findThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A descendant of `parent` of the class, with the text unless that is null.
inline HWND FindChild(HWND parent, const std::wstring& windowClass, const wchar_t* caption = nullptr) {
    detail::Search search{windowClass, nullptr, caption, nullptr};
    EnumChildWindows(parent, &detail::findChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The messages this thread's windows are sent while the object lives, as they arrive: a record that does
// not depend on which process holds the foreground when the test looks.
class MessageTrace {
  public:
    struct Entry {
        HWND window;
        UINT message;
        WPARAM wparam;
        std::wstring windowClass;
    };

    MessageTrace() {
        current() = this;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &record, nullptr, GetCurrentThreadId());
    }
    ~MessageTrace() {
        UnhookWindowsHookEx(hook_);
        current() = nullptr;
    }
    MessageTrace(const MessageTrace&) = delete;
    MessageTrace& operator=(const MessageTrace&) = delete;

    const std::vector<Entry>& entries() const { return entries_; }
    // The position of the first matching entry, or -1.
    int find(UINT message, const std::wstring& windowClass) const {
        for (size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].message == message && entries_[i].windowClass == windowClass) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

  private:
    static MessageTrace*& current() {
        static MessageTrace* trace = nullptr;
        return trace;
    }
    static LRESULT CALLBACK record(int code, WPARAM wparam, LPARAM lparam) {
        if (code == HC_ACTION && current()) {
            const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
            switch (sent->message) {
            case WM_CREATE:
            case WM_SETFOCUS:
            case WM_ACTIVATE:
            case WM_NCACTIVATE:
                current()->entries_.push_back(
                    {sent->hwnd, sent->message, sent->wParam, className(sent->hwnd)});
                break;
            }
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }

    HHOOK hook_ = nullptr;
    std::vector<Entry> entries_;
};

// Gives the focus to a window of this thread and answers whether it has it. Another process may take the
// foreground, and with it this thread's focus, at any time: steps that depend on the focus check it
// right before they act.
inline bool Focus(HWND window) {
    if (GetFocus() != window) {
        SetActiveWindow(GetAncestor(window, GA_ROOT));
        SetFocus(window);
    }
    return GetFocus() == window;
}

// A left click at a point of the window's client area, queued as the mouse would queue it.
inline void Click(HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

inline void ClickCentre(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Click(window, client.right / 2, client.bottom / 2);
}

// Pushes a button as the system does for a click, in one go: a click made of posted messages can lose its
// press when another process takes the foreground (and the mouse capture) between them.
inline void Press(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

// A key pressed on a control of a dialog, handled at once as the dialog's modal loop handles it.
inline void KeyThroughDialog(HWND dialog, HWND control, WPARAM key) {
    MSG message{control, WM_KEYDOWN, key, 1, 0, {0, 0}};
    if (!IsDialogMessageW(dialog, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline void PressKey(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// A window's client area as it paints it, through WM_PRINTCLIENT into a top-down 32-bit DIB.
class Picture {
  public:
    explicit Picture(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
        const auto* pixels = static_cast<const uint32_t*>(bits);
        pixels_.assign(pixels, pixels + static_cast<size_t>(width_) * static_cast<size_t>(height_));
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    int width() const { return width_; }
    int height() const { return height_; }
    // As a COLORREF (0x00BBGGRR).
    COLORREF at(int x, int y) const {
        const uint32_t pixel =
            pixels_.at(static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x));
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

  private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
};

// Closes whatever this thread shows, so that a stuck modal call returns: palettes get Escape, dialogs
// WM_CLOSE.
inline void CloseEverything() {
    EnumThreadWindows(GetCurrentThreadId(), &detail::closeWindow, 0);
}

} // namespace ui
