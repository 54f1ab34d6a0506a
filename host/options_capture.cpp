#include "host/options_capture.h"

#include "host/host_log.h"
#include "host/main_window.h"
#include "host/png_writer.h"
#include "host/text_codec.h"
#include "host/popup_capture.h"

namespace brevlog {

namespace {

// The plug-in's dialog runs modal loops of its own: this state moves on from a thread timer inside them.
struct Capture {
    enum class Step { FindDialog, FindPalette, ClosePalette, Done } step = Step::FindDialog;
    HWND owner = nullptr;
    HWND dialog = nullptr;
    HWND field = nullptr;
    HWND palette = nullptr;
    bool openPalette = false;
    std::wstring path;
    bool saved = false;
    int ticks = 0;
};

Capture* g_capture = nullptr;
constexpr int kMaxTicks = 300; // a generous bound: the script ends rather than hangs when nothing appears

// A window of a class: among the thread's windows, a visible one that `owner` owns; among a window's
// children, any.
struct Search {
    const wchar_t* className;
    bool owned;
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOfClass(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    const bool candidate =
        !search->owned || (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search->owner);
    if (candidate && lstrcmpiW(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindOwnedWindow(HWND owner, const wchar_t* className) {
    Search search{className, true, owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindChildWindow(HWND parent, const wchar_t* className) {
    Search search{className, false, nullptr, nullptr};
    EnumChildWindows(parent, &FindOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool Save(const Capture& capture) {
    UniqueBitmap picture = CaptureWindows(capture.dialog, capture.palette);
    std::string error = "the dialog could not be read";
    if (!picture || !WritePng(picture.get(), capture.path, error)) {
        HostLog("screenshot failed: %s", error.c_str());
        return false;
    }
    HostLog("screenshot saved to %s", NarrowFrom(capture.path, CP_UTF8).c_str());
    return true;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    Capture& capture = *g_capture;
    const bool givingUp = ++capture.ticks > kMaxTicks;
    switch (capture.step) {
    case Capture::Step::FindDialog:
        capture.dialog = FindOwnedWindow(capture.owner, L"#32770");
        if (!capture.dialog) {
            break;
        }
        capture.field = FindChildWindow(capture.dialog, L"TRzColorEdit");
        if (!capture.field) {
            HostLog("the window over the logbook is not the options dialog");
            PostMessageW(capture.dialog, WM_CLOSE, 0, 0);
            capture.step = Capture::Step::Done;
            break;
        }
        if (capture.openPalette) {
            RECT client{};
            GetClientRect(capture.field, &client);
            const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
            PostMessageW(capture.field, WM_LBUTTONDOWN, MK_LBUTTON, centre);
            PostMessageW(capture.field, WM_LBUTTONUP, 0, centre);
            capture.step = Capture::Step::FindPalette;
            break;
        }
        capture.saved = Save(capture);
        PostMessageW(capture.dialog, WM_CLOSE, 0, 0);
        capture.step = Capture::Step::Done;
        break;
    case Capture::Step::FindPalette:
        capture.palette = FindOwnedWindow(capture.dialog, L"TRzColorPicker");
        if (!capture.palette && !givingUp) {
            break;
        }
        capture.saved = capture.palette && Save(capture);
        if (capture.palette) {
            PostMessageW(capture.palette, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        capture.step = Capture::Step::ClosePalette;
        break;
    case Capture::Step::ClosePalette:
        if (IsWindow(capture.palette) && !givingUp) {
            break;
        }
        PostMessageW(capture.dialog, WM_CLOSE, 0, 0);
        capture.step = Capture::Step::Done;
        break;
    case Capture::Step::Done:
        break;
    }
    if (givingUp && capture.dialog && capture.step != Capture::Step::Done) {
        PostMessageW(capture.dialog, WM_CLOSE, 0, 0);
        capture.step = Capture::Step::Done;
    }
}

} // namespace

bool CaptureOptionsDialog(MainWindow& host, const std::wstring& path, bool openPalette) {
    Capture capture;
    capture.owner = host.window();
    capture.openPalette = openPalette;
    capture.path = path;
    g_capture = &capture;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &OnTimer);
    host.ShowOptionsDialog();
    KillTimer(nullptr, timer);
    g_capture = nullptr;
    return capture.saved;
}

} // namespace brevlog
