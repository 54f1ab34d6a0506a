// TRzColorPicker: the palette of a colour field, in a borderless popup under the field. It lives while
// the palette is open and runs its own message loop, which routes all input to it: a click in the palette
// accepts, Esc or a press outside (which goes no further) closes it without accepting.
#pragma once
#include <windows.h>
#include <string>

#include "runtime/unique_handles.h"
#include "runtime/window_class.h"
#include "settings/palette/custom_colors.h"
#include "settings/palette/palette_layout.h"
#include "settings/palette/palette_selection.h"

namespace zvk {

struct TPickerOptions {
    bool ShowSystemColors = false;
    bool ShowCustomColor = false;
    palette::TColor CustomColor = 0xFFFFFF;
    std::string CustomColorCaption; // empty: "More Colors..."
    DWORD DialogOptions = 0;        // ChooseColor flags
    palette::TRzCustomColors* CustomColors = nullptr;
    HFONT Font = nullptr;
};

class TRzColorPicker {
  public:
    static const char* const ClassName;

    TRzColorPicker(const TPickerOptions& options, palette::TColor color);
    ~TRzColorPicker();
    TRzColorPicker(const TRzColorPicker&) = delete;
    TRzColorPicker& operator=(const TRzColorPicker&) = delete;

    // Shows the palette under the field and returns once it has closed: true when a colour was accepted.
    bool Run(HWND field);

    palette::TColor SelectedColor() const;
    palette::TColor CustomColor() const { return customColor_; }

  private:
    enum class TState { Open, Accepted, Cancelled };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void CreatePopup(HWND field);
    void Paint(HDC dc) const;
    void PaintCell(HDC dc, const palette::TBounds& cell, palette::TColor color, bool selected,
                   bool hot) const;
    void PaintMoreColors(HDC dc) const;

    // Input, in color_picker_input.cpp. Route answers whether the message was the palette's.
    bool Route(const MSG& message);
    void MouseMove(POINT at, bool leftHeld);
    void LeftPress(POINT at);
    void LeftRelease(POINT at);
    void MoreColors();
    palette::THit HitAt(POINT client) const;
    void SetHot(const palette::THit& hot);
    void Select(const palette::TSelection& selection);

    TPickerOptions options_;
    palette::TPaletteLayout layout_;
    palette::TSelection selection_;
    palette::TColor customColor_;
    palette::THit hot_;
    bool pressed_ = false;    // a left press in the palette awaits its release
    bool ownCapture_ = false; // a loss of capture that this code did not cause closes the palette
    TState state_ = TState::Open;
    WindowClass class_;
    UniqueWindow popup_;
};

} // namespace zvk
