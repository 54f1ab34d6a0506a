#include "settings/color_picker.h"

#include "runtime/color.h"
#include "runtime/exception.h"
#include "runtime/form_font.h"
#include "runtime/device_contexts.h"
#include "runtime/unique_handles.h"
#include "runtime/modal.h"
#include "runtime/module.h"
#include "runtime/solid_paint.h"
#include "runtime/window_procedure.h"
#include "settings/palette/popup_placement.h"

namespace zvk {

using palette::TBounds;
using palette::TSelection;

const char* const TRzColorPicker::ClassName = "TRzColorPicker";

namespace {

const char* const DefaultCustomCaption = "More Colors...";

RECT toRect(const TBounds& bounds) {
    return RECT{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
}

} // namespace

TRzColorPicker::TRzColorPicker(const TPickerOptions& options, palette::TColor color)
    : options_(options),
      layout_(options.ShowSystemColors, options.ShowCustomColor, CharacterHeight(options.Font)),
      class_(ClassName, &WindowProc, CS_SAVEBITS, nullptr) {
    const palette::TOpening opening = palette::SelectForOpening(
        color, options.CustomColor, options.ShowSystemColors, options.ShowCustomColor, &SystemColorRgb);
    selection_ = opening.Selection;
    customColor_ = opening.CustomColor;
}

TRzColorPicker::~TRzColorPicker() {
    popup_.reset(); // before the class goes
}

palette::TColor TRzColorPicker::SelectedColor() const {
    return palette::SelectedColor(selection_, customColor_);
}

void TRzColorPicker::CreatePopup(HWND field) {
    const DWORD style = WS_POPUP | WS_BORDER;
    // Never the foreground window, even when the system looks for one to activate.
    const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    RECT frame{0, 0, layout_.Width(), layout_.Height()};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    RECT fieldRect{};
    GetWindowRect(field, &fieldRect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(field, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const palette::TPoint at =
        palette::PlacePopup({fieldRect.left, fieldRect.top, fieldRect.right, fieldRect.bottom}, width, height,
                            {work.left, work.top, work.right, work.bottom});

    HWND popup = CreateWindowExA(exStyle, ClassName, "", style, at.X, at.Y, width, height,
                                 GetAncestor(field, GA_ROOT), nullptr, thisModule(), this);
    if (!popup) {
        throw Exception("Cannot create the colour palette");
    }
    popup_.reset(popup);
}

bool TRzColorPicker::Run(HWND field) {
    CreatePopup(field);
    HWND popup = popup_.get();
    // Shown without taking activation: the dialog keeps its active caption and the field its focus.
    SetWindowPos(popup, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetCapture(popup);
    ownCapture_ = true;
    const bool running = RunMessagesUntil(
        [&] {
            if (!IsWindow(field) || !IsWindow(popup)) {
                state_ = TState::Cancelled;
            }
            return state_ != TState::Open;
        },
        [this](MSG& message) { return Route(message); });
    if (!running) {
        state_ = TState::Cancelled; // the application is ending
    }
    ownCapture_ = false;
    if (GetCapture() == popup) {
        ReleaseCapture();
    }
    popup_.reset();
    return state_ == TState::Accepted;
}

LRESULT CALLBACK TRzColorPicker::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = WindowInstance<TRzColorPicker>(window, message, lparam);
    if (!self) {
        return DefWindowProcA(window, message, wparam, lparam);
    }
    return GuardedMessage(0, [&]() -> LRESULT {
        switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const PaintDc dc(window);
            self->Paint(dc.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            self->Paint(reinterpret_cast<HDC>(wparam));
            return 0;
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            // Another window took the mouse, or the system cancels modes: the palette closes.
            if (self->ownCapture_ && self->state_ == TState::Open) {
                self->state_ = TState::Cancelled;
            }
            return 0;
        case WM_NCDESTROY:
            // Also when its owner goes first: nothing left to destroy.
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            (void)self->popup_.release();
            break;
        }
        return DefWindowProcA(window, message, wparam, lparam);
    });
}

void TRzColorPicker::Paint(HDC dc) const {
    RECT content{0, 0, layout_.Width(), layout_.Height()};
    FillSolid(dc, content, GetSysColor(COLOR_BTNFACE));
    const auto& entries = palette::PaletteEntries();
    for (int entry = 0; entry < palette::EntryCount; ++entry) {
        const TBounds cell = layout_.Cell(entry);
        if (cell.Width() == 0) {
            continue;
        }
        PaintCell(dc, cell, entries[entry].Color, selection_ == TSelection::OfEntry(entry),
                  hot_.Area == palette::TArea::Entry && hot_.Entry == entry);
    }
    if (layout_.ShowsSystemColors()) {
        FillSolid(dc, toRect(layout_.BandLine()), GetSysColor(COLOR_BTNSHADOW));
    }
    if (layout_.ShowsCustomColor()) {
        PaintMoreColors(dc);
        PaintCell(dc, layout_.CustomSwatch(), customColor_, selection_ == TSelection::Custom(),
                  hot_.Area == palette::TArea::CustomSwatch);
    }
}

void TRzColorPicker::PaintCell(HDC dc, const TBounds& cell, palette::TColor color, bool selected,
                               bool hot) const {
    RECT bounds = toRect(cell);
    if (selected) {
        // A pushed-in button.
        FillSolid(dc, bounds, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawEdge(dc, &bounds, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot) {
        DrawEdge(dc, &bounds, BDR_RAISEDINNER, BF_RECT);
    }
    RECT swatch = toRect(palette::TPaletteLayout::Swatch(cell));
    FrameSolid(dc, swatch, GetSysColor(COLOR_BTNSHADOW));
    InflateRect(&swatch, -1, -1);
    FillSolid(dc, swatch, ColorToRGB(color));
}

void TRzColorPicker::PaintMoreColors(HDC dc) const {
    RECT button = toRect(layout_.MoreColorsButton());
    if (hot_.Area == palette::TArea::MoreColors) {
        DrawEdge(dc, &button, pressed_ ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    const std::string& caption =
        options_.CustomColorCaption.empty() ? std::string(DefaultCustomCaption) : options_.CustomColorCaption;
    const SelectedObject font(dc, options_.Font ? options_.Font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &button,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace zvk
