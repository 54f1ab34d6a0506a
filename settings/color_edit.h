// TRzColorEdit: a field that shows a colour as a swatch and opens a drop-down palette to choose another.
// It takes no text: a left press or double-click opens the palette, and so does Alt+Down.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <functional>
#include <string>

#include "runtime/unique_handles.h"
#include "runtime/window_class.h"
#include "settings/palette/custom_colors.h"
#include "settings/palette/palette_entries.h"

namespace zvk {

class TRzColorEdit {
  public:
    static const char* const ClassName;

    TRzColorEdit();
    ~TRzColorEdit();
    TRzColorEdit(const TRzColorEdit&) = delete;
    TRzColorEdit& operator=(const TRzColorEdit&) = delete;

    void CreateWnd(HWND parent, int id, const RECT& bounds);
    HWND Handle() const { return window_.get(); }

    palette::TColor SelectedColor() const { return color_; }
    // Repaints when the colour changes; fires no change event.
    void SetSelectedColor(palette::TColor color);
    bool DroppedDown() const { return droppedDown_; }

    // Opens the palette and returns when it has closed.
    void DropDown();

    // What the palette offers.
    bool ShowSystemColors = false;
    bool ShowCustomColor = false;
    palette::TColor CustomColor = 0xFFFFFF;
    std::string CustomColorCaption; // empty: "More Colors..."
    DWORD ColorDlgOptions = CC_FULLOPEN;
    palette::TRzCustomColors* CustomColors = nullptr;

    // After every accepted choice in the palette.
    std::function<void()> OnChange;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void Paint(HDC dc) const;
    RECT ButtonRect() const;
    RECT SwatchRect() const;
    bool ShowsFocus() const;

    WindowClass class_;
    UniqueWindow window_;
    HFONT font_ = nullptr; // the form's, set with WM_SETFONT
    palette::TColor color_ = palette::TColorNone;
    bool droppedDown_ = false;
};

} // namespace zvk
