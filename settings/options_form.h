// TOptionsForm: the options dialog, in which the operator chooses the colour of members' callsign cells
// and switches the notice sound. The form exists from construction, hidden; ShowModal shows it over its
// parent window and returns its modal result.
#pragma once
#include <windows.h>

#include "runtime/unique_handles.h"
#include "settings/color_edit.h"
#include "settings/config.h"
#include "settings/palette/custom_colors.h"

namespace zvk {

class TOptionsForm {
  public:
    static constexpr int mrOk = 1;
    static constexpr int mrCancel = 2;
    static constexpr palette::TColor DefaultColor = TConfig::DefaultSelectColor;

    // Control identifiers. "ОК" is the dialog's IDOK, so that Enter presses it; no control is IDCANCEL,
    // so that Escape closes nothing.
    enum : int {
        IdButton1 = IDOK,
        IdButton2 = 102,
        IdGroupBox1,
        IdLabel1,
        IdRzColorEdit1,
        IdButton3,
        IdCheckBox1,
    };

    // parentWindow: the window the dialog stays in front of; with none, the application's window.
    explicit TOptionsForm(HWND parentWindow);
    ~TOptionsForm();
    TOptionsForm(const TOptionsForm&) = delete;
    TOptionsForm& operator=(const TOptionsForm&) = delete;

    HWND Handle() const { return window_.get(); }

    // Shows the dialog and runs until it closes; the thread's other windows take no input meanwhile.
    int ShowModal();

    // "По умолчанию": the field takes the default colour; nothing else changes.
    void Button3Click();

    palette::TRzCustomColors RzCustomColors1;
    TRzColorEdit RzColorEdit1;
    HWND Button1 = nullptr;
    HWND Button2 = nullptr;
    HWND GroupBox1 = nullptr;
    HWND Label1 = nullptr;
    HWND Button3 = nullptr;
    HWND CheckBox1 = nullptr;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void CreateDialogWindow(HWND owner);
    void CreateControls();

    UniqueFont font_;
    UniqueWindow window_;
    int modalResult_ = 0;
};

} // namespace zvk
