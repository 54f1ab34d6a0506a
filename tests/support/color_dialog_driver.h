// The system colour dialog (ChooseColor) worked as a user works it: its red, green and blue fields, the
// custom colour boxes and its buttons.
#pragma once
#include <windows.h>
#include <colordlg.h>

#include "ui_driver.h"

namespace ui {

class ColorDialog {
  public:
    // The visible colour dialog of this thread, or null.
    static HWND Find() {
        HWND dialog = FindThreadWindow(L"#32770");
        return dialog && GetDlgItem(dialog, COLOR_RED) ? dialog : nullptr;
    }

    explicit ColorDialog(HWND window) : window_(window) {}

    COLORREF current() const {
        return RGB(GetDlgItemInt(window_, COLOR_RED, nullptr, FALSE),
                   GetDlgItemInt(window_, COLOR_GREEN, nullptr, FALSE),
                   GetDlgItemInt(window_, COLOR_BLUE, nullptr, FALSE));
    }
    void set(COLORREF color) const {
        SetDlgItemInt(window_, COLOR_RED, GetRValue(color), FALSE);
        SetDlgItemInt(window_, COLOR_GREEN, GetGValue(color), FALSE);
        SetDlgItemInt(window_, COLOR_BLUE, GetBValue(color), FALSE);
    }
    void addToCustomColors() const { command(COLOR_ADD); }
    // A press on custom colour box `index` (eight to a row) makes it the current colour.
    void pickCustom(int index) const {
        HWND boxes = GetDlgItem(window_, COLOR_CUSTOM1);
        RECT area{};
        GetWindowRect(boxes, &area);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
        const int width = (area.right - area.left) / 8;
        const int height = (area.bottom - area.top) / 2;
        const int x = area.left + index % 8 * width + width / 2;
        const int y = area.top + index / 8 * height + height / 2;
        PostMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void ok() const { command(IDOK); }
    void cancel() const { command(IDCANCEL); }

  private:
    void command(int id) const {
        PostMessageW(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window_, id)));
    }

    HWND window_;
};

} // namespace ui
