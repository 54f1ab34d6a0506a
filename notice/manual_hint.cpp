#include "notice/manual_hint.h"

#include "notice/hint_hook.h"
#include "plugin/resource_ids.h"
#include "runtime/application.h"
#include "runtime/module.h"

namespace zvk {

TManualHint* CurrentHint = nullptr;

namespace {

// Where the owner window's procedure finds its notice.
const char* const OwnerProp = "zvk.TManualHint";
constexpr UINT_PTR ToolId = 1;

} // namespace

TManualHint::TManualHint(HWND OwnerWindow) : FOwnerWindow(OwnerWindow) {
    FAutoHide = true;
    FHideTimer.SetEnabled(false);
    FHideTimer.OnTimer = [this] { HideTimerExpired(); };
    FHideTimer.SetInterval(3000);
}

TManualHint::~TManualHint() {
    if (FOldOwnerProc != nullptr) {
        SetWindowLongPtrA(FOwnerWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldOwnerProc));
    }
    if (FOwnerProcInstalled) {
        RemovePropA(FOwnerWindow, OwnerProp);
    }
    if (FHintWindow != nullptr) {
        SendMessageA(FHintWindow, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&FToolInfo));
        DestroyWindow(FHintWindow);
        FHintWindow = nullptr;
    }
    RemoveHintHook();
    FHideTimer.SetEnabled(false);
    CurrentHint = nullptr;
    FOwnerProcInstalled = false;
    FOldOwnerProc = nullptr;
}

void TManualHint::CreateHintWindow() {
    if (FHintWindow != nullptr) {
        return;
    }
    HINSTANCE module = thisModule();
    if (FOwnerWindow != nullptr && !FOwnerProcInstalled) {
        FOldOwnerProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FOwnerWindow, GWLP_WNDPROC));
        SetPropA(FOwnerWindow, OwnerProp, this);
        SetWindowLongPtrA(FOwnerWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerProcInstance));
        FOwnerProcInstalled = true;
    }
    InstallHintHook();
    DWORD style = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP;
    if (FHintStyle == hsBalloon) {
        style |= TTS_BALLOON;
    }
    if (FAllowClosed) {
        style |= TTS_CLOSE;
    }
    HWND window = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, FOwnerWindow, nullptr, module, nullptr);
    if (window == nullptr) {
        throw THintException(loadResourceString(IDS_TOOLTIPS_CLASS));
    }
    FHintWindow = window;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    FToolInfo = TTTOOLINFOA{};
    FToolInfo.cbSize = TTTOOLINFOA_V2_SIZE;
    FToolInfo.uFlags = TTF_IDISHWND | TTF_TRACK | (FHintMode == hmComic ? TTF_ABSOLUTE : 0);
    FToolInfo.hwnd = FOwnerWindow;
    FToolInfo.uId = ToolId;
    FToolInfo.hinst = module;
    SendMessageA(window, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&FToolInfo));
}

void TManualHint::MakeCurrent() {
    if (CurrentHint != nullptr) {
        CurrentHint->HideHint();
    }
    CurrentHint = this;
    CreateHintWindow();
}

void TManualHint::ShowHint(int32_t X, int32_t Y) {
    std::string text;
    for (const std::string& line : FText) {
        text += line + "\r\n";
    }
    Show(X, Y, FCaption, text, FIconType, true);
}

void TManualHint::ShowHint(int32_t X, int32_t Y, const std::string& Text) {
    Show(X, Y, FCaption, Text, FIconType, true);
}

void TManualHint::ShowHint(int32_t X, int32_t Y, const std::string& Title, const std::string& Text) {
    Show(X, Y, Title, Text, FIconType, true);
}

void TManualHint::ShowHint(int32_t X, int32_t Y, const std::string& Title, const std::string& Text,
                           TIconType Icon) {
    Show(X, Y, Title, Text, Icon, false);
}

void TManualHint::Show(int32_t X, int32_t Y, const std::string& Title, const std::string& Text,
                       TIconType Icon, bool TrimWithoutTitle) {
    if (!PluginApplication().Active) {
        return;
    }
    MakeCurrent();
    if (FHintWindow == nullptr) {
        return;
    }
    POINT point{X, Y};
    if (FOwnerWindow != nullptr) {
        ClientToScreen(FOwnerWindow, &point);
    }
    const LPARAM packed = static_cast<LPARAM>(static_cast<uint32_t>(static_cast<uint16_t>(point.x)) |
                                              static_cast<uint32_t>(static_cast<uint16_t>(point.y)) << 16);
    // Without a title the last two characters (a line's CR LF) are dropped.
    FShownText = Text;
    if (TrimWithoutTitle && Title.empty()) {
        FShownText.resize(Text.size() < 2 ? 0 : Text.size() - 2);
    }
    FToolInfo.lpszText = FShownText.data();
    SendMessageA(FHintWindow, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&FToolInfo));
    SendMessageA(FHintWindow, TTM_SETTITLEA, Icon,
                 reinterpret_cast<LPARAM>(Title.empty() ? nullptr : Title.c_str()));
    SendMessageA(FHintWindow, TTM_TRACKPOSITION, 0, packed);
    SendMessageA(FHintWindow, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&FToolInfo));
}

void TManualHint::HideHint() {
    if (FHintWindow != nullptr) {
        SendMessageA(FHintWindow, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&FToolInfo));
    }
}

void TManualHint::HideTimerExpired() {
    FHideTimer.SetEnabled(false);
    HideHint();
}

LRESULT CALLBACK TManualHint::OwnerProcInstance(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* hint = static_cast<TManualHint*>(GetPropA(window, OwnerProp));
    if (hint == nullptr) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
    return hint->OwnerWndProc(message, wparam, lparam);
}

LRESULT TManualHint::OwnerWndProc(UINT message, WPARAM wparam, LPARAM lparam) {
    // A window procedure of the owner: nothing may escape into its message loop.
    try {
        if (message == WM_KILLFOCUS || message == WM_ACTIVATEAPP) {
            HideHint();
        } else if (message == WM_NOTIFY && CurrentHint != nullptr) {
            const NMHDR& header = *reinterpret_cast<const NMHDR*>(lparam);
            if (header.idFrom == ToolId) {
                TManualHint& current = *CurrentHint;
                current.FPressed = !current.FPressed;
                if (header.code == TTN_SHOW) {
                    if (current.FAutoHide) {
                        current.FHideTimer.SetEnabled(true);
                    }
                    if (current.FSoundEnabled) {
                        current.PlayHintSound();
                    }
                    current.DoShow();
                } else if (header.code == TTN_POP) {
                    current.DoHide();
                }
            }
        }
    } catch (...) {
    }
    return CallWindowProcA(FOldOwnerProc, FOwnerWindow, message, wparam, lparam);
}

void TManualHint::DoShow() {
    if (OnShow) {
        OnShow(*this);
    }
}

void TManualHint::DoHide() {
    if (OnHide) {
        OnHide(*this);
    }
}

void TManualHint::DoClick() {
    if (OnClick) {
        OnClick(*this);
    }
}

} // namespace zvk
