// The palette's input: while it is open, every mouse and keyboard message of the thread is the palette's,
// whatever window it was sent to.
#include "settings/color_picker.h"

#include <windowsx.h>

#include "runtime/application.h"
#include "runtime/color.h"
#include "runtime/modal.h"
#include "settings/color_dialog.h"

namespace zvk {

using palette::TArea;
using palette::THit;
using palette::TSelection;

namespace {

bool isButtonPress(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_NCXBUTTONDOWN:
    case WM_NCXBUTTONDBLCLK:
        return true;
    }
    return false;
}

bool isMouse(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

bool isKey(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

// Where a mouse message happened, on the screen: client messages count from their window's client area,
// non-client ones from the screen.
POINT screenPoint(const MSG& message) {
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    const bool nonClient = message.message >= WM_NCMOUSEMOVE && message.message <= WM_NCXBUTTONDBLCLK;
    if (!nonClient && message.message != WM_MOUSEWHEEL && message.message != WM_MOUSEHWHEEL && message.hwnd) {
        ClientToScreen(message.hwnd, &at);
    }
    return at;
}

} // namespace

bool TRzColorPicker::Route(const MSG& message) {
    HWND popup = popup_.get();
    if (isKey(message.message)) {
        if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
            message.wParam == VK_ESCAPE) {
            state_ = TState::Cancelled;
        }
        return true;
    }
    if (!isMouse(message.message)) {
        return false;
    }
    POINT at = screenPoint(message);
    ScreenToClient(popup, &at);
    const bool inside = HitAt(at).Area != TArea::Outside;
    if (isButtonPress(message.message) && !inside) {
        // Consumed: the window under the pointer never sees this press.
        state_ = TState::Cancelled;
        return true;
    }
    switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        MouseMove(at, message.message == WM_MOUSEMOVE ? (message.wParam & MK_LBUTTON) != 0
                                                      : GetKeyState(VK_LBUTTON) < 0);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        LeftPress(at);
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        LeftRelease(at);
        break;
    }
    return true;
}

THit TRzColorPicker::HitAt(POINT client) const {
    return layout_.HitTest(client.x, client.y);
}

void TRzColorPicker::SetHot(const THit& hot) {
    if (hot.Area == hot_.Area && hot.Entry == hot_.Entry) {
        return;
    }
    hot_ = hot;
    InvalidateRect(popup_.get(), nullptr, FALSE);
}

void TRzColorPicker::Select(const TSelection& selection) {
    if (selection != selection_) {
        selection_ = selection;
        InvalidateRect(popup_.get(), nullptr, FALSE);
    }
}

void TRzColorPicker::MouseMove(POINT at, bool leftHeld) {
    const THit hit = HitAt(at);
    SetHot(hit);
    if (!leftHeld) {
        return;
    }
    if (hit.Area == TArea::Entry) {
        Select(TSelection::OfEntry(hit.Entry));
    } else if (hit.Area == TArea::CustomSwatch) {
        Select(TSelection::Custom());
    }
}

void TRzColorPicker::LeftPress(POINT at) {
    const THit hit = HitAt(at);
    switch (hit.Area) {
    case TArea::Entry:
        Select(TSelection::OfEntry(hit.Entry));
        break;
    case TArea::CustomSwatch:
        // Counts as a click at once, even when it was selected already.
        Select(TSelection::Custom());
        state_ = TState::Accepted;
        return;
    case TArea::MoreColors:
        MoreColors();
        return;
    case TArea::Band:
    case TArea::Empty:
        Select(TSelection::None());
        break;
    case TArea::Outside:
        return;
    }
    pressed_ = true;
}

void TRzColorPicker::LeftRelease(POINT at) {
    const bool click = pressed_ && HitAt(at).Area != TArea::Outside;
    pressed_ = false;
    if (click) {
        state_ = TState::Accepted;
    }
}

void TRzColorPicker::MoreColors() {
    HWND popup = popup_.get();
    // The colour dialog needs the mouse; losing it to the dialog does not close the palette.
    ownCapture_ = false;
    ReleaseCapture();
    HWND owner = PluginApplication().Handle;
    if (!IsWindow(owner)) {
        owner = GetWindow(popup, GW_OWNER);
    }
    uint32_t color = static_cast<uint32_t>(ColorToRGB(customColor_)) & 0xFFFFFFu;
    std::array<uint32_t, palette::TRzCustomColors::Count> custom{};
    custom.fill(0xFFFFFF);
    if (options_.CustomColors) {
        custom = options_.CustomColors->AllColors();
    }
    bool confirmed = false;
    {
        // As a modal form: the palette and the dialog under it take no input meanwhile.
        const ThreadWindowsDisabled disabled(nullptr);
        confirmed = ExecuteColorDialog(owner, options_.DialogOptions, color, custom);
    }
    pressed_ = false;
    // Activation went back to the colour dialog's owner, which may be the logbook's disabled window.
    SetActiveWindow(GetWindow(popup, GW_OWNER));
    if (!confirmed) {
        SetCapture(popup);
        ownCapture_ = true;
        InvalidateRect(popup, nullptr, FALSE);
        return;
    }
    if (options_.CustomColors) {
        options_.CustomColors->SetAllColors(custom);
    }
    customColor_ = static_cast<palette::TColor>(color);
    selection_ = TSelection::Custom();
    state_ = TState::Accepted;
}

} // namespace zvk
