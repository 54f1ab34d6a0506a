#include "settings/color_edit.h"

#include "runtime/color.h"
#include "runtime/exception.h"
#include "runtime/device_contexts.h"
#include "runtime/unique_handles.h"
#include "runtime/module.h"
#include "runtime/solid_paint.h"
#include "runtime/window_procedure.h"
#include "settings/color_picker.h"

namespace zvk {

const char* const TRzColorEdit::ClassName = "TRzColorEdit";

namespace {

constexpr int SwatchMargin = 2;

// Set while the palette is open: the button shows pressed.
class DroppedDownMark {
  public:
    explicit DroppedDownMark(bool& mark) : mark_(mark) { mark_ = true; }
    ~DroppedDownMark() { mark_ = false; }
    DroppedDownMark(const DroppedDownMark&) = delete;
    DroppedDownMark& operator=(const DroppedDownMark&) = delete;

  private:
    bool& mark_;
};

} // namespace

TRzColorEdit::TRzColorEdit() : class_(ClassName, &WindowProc, CS_DBLCLKS, nullptr) {}

TRzColorEdit::~TRzColorEdit() {
    window_.reset(); // before the class goes
}

void TRzColorEdit::CreateWnd(HWND parent, int id, const RECT& bounds) {
    HWND window =
        CreateWindowExA(WS_EX_CLIENTEDGE, ClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, bounds.left,
                        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), thisModule(), this);
    if (!window) {
        throw Exception("Cannot create the colour field");
    }
    window_.reset(window);
}

void TRzColorEdit::SetSelectedColor(palette::TColor color) {
    if (color == color_) {
        return;
    }
    color_ = color;
    if (window_) {
        InvalidateRect(window_.get(), nullptr, FALSE);
    }
}

void TRzColorEdit::DropDown() {
    if (droppedDown_ || !window_) {
        return;
    }
    HWND window = window_.get();
    TPickerOptions options;
    options.ShowSystemColors = ShowSystemColors;
    options.ShowCustomColor = ShowCustomColor;
    options.CustomColor = CustomColor;
    options.CustomColorCaption = CustomColorCaption;
    options.DialogOptions = ColorDlgOptions;
    options.CustomColors = CustomColors;
    options.Font = font_;
    TRzColorPicker picker(options, color_);
    bool accepted = false;
    {
        const DroppedDownMark mark(droppedDown_);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        accepted = picker.Run(window);
    }
    if (!IsWindow(window)) {
        return;
    }
    InvalidateRect(window, nullptr, FALSE);
    if (accepted) {
        color_ = picker.SelectedColor();
        CustomColor = picker.CustomColor();
        if (OnChange) {
            OnChange();
        }
    }
}

RECT TRzColorEdit::ButtonRect() const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    client.left = client.right - GetSystemMetrics(SM_CXVSCROLL);
    return client;
}

RECT TRzColorEdit::SwatchRect() const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    client.right = ButtonRect().left;
    InflateRect(&client, -SwatchMargin, -SwatchMargin);
    return client;
}

bool TRzColorEdit::ShowsFocus() const {
    return droppedDown_ || GetFocus() == window_.get();
}

void TRzColorEdit::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(window_.get(), &client);
    FillSolid(dc, client, GetSysColor(COLOR_WINDOW));
    const RECT swatch = SwatchRect();
    if (color_ == palette::TColorNone) {
        const UniqueBrush hatch(
            CreateHatchBrush(HS_BDIAGONAL, GetSysColor(ShowsFocus() ? COLOR_BTNSHADOW : COLOR_BTNFACE)));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        FillRect(dc, &swatch, hatch.get());
    } else {
        FrameSolid(dc, swatch, GetSysColor(COLOR_BTNSHADOW));
        RECT inside = swatch;
        InflateRect(&inside, -1, -1);
        FillSolid(dc, inside, ColorToRGB(color_));
    }
    if (ShowsFocus()) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        DrawFocusRect(dc, &swatch);
    }
    RECT button = ButtonRect();
    DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (droppedDown_ ? DFCS_PUSHED : 0));
}

LRESULT CALLBACK TRzColorEdit::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = WindowInstance<TRzColorEdit>(window, message, lparam);
    if (!self || !self->window_) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
    return GuardedMessage(0, [&] { return self->HandleMessage(message, wparam, lparam); });
}

LRESULT TRzColorEdit::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = window_.get();
    switch (message) {
    case WM_GETDLGCODE:
        // Arrows and characters stay here, doing nothing, instead of moving the dialog's focus.
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam)) {
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        const PaintDc dc(window);
        Paint(dc.get());
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (GetFocus() != window) {
            SetFocus(window);
        }
        DropDown();
        return 0;
    case WM_SYSKEYDOWN:
        if (wparam == VK_DOWN) {
            DropDown();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        // Gone with its parent: nothing left to destroy.
        (void)window_.release();
        break;
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_CONTEXTMENU:
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

} // namespace zvk
