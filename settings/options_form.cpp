#include "settings/options_form.h"

#include "runtime/application.h"
#include "runtime/exception.h"
#include "runtime/form_font.h"
#include "runtime/group_box.h"
#include "runtime/modal.h"
#include "runtime/module.h"
#include "runtime/window_procedure.h"
#include "settings/options_resources.h"

namespace zvk {

namespace {

constexpr int ClientWidth = 335;
constexpr int ClientHeight = 136;
const char* const FontFace = "MS Sans Serif";
const char* const SubstituteFontFace = "Tahoma";
constexpr int FontHeight = 11; // 8 points

constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// A dialog of no controls: they are made in pixels afterwards.
struct EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};

// Where a control goes in its container, as the form stores it.
struct Place {
    int left, top, width, height;
    RECT rect() const { return RECT{left, top, left + width, top + height}; }
};

HWND createControl(HWND parent, const char* className, const std::string& text, DWORD style, int id,
                   const Place& place, HFONT font) {
    HWND control = CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                                   place.top, place.width, place.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), thisModule(), nullptr);
    if (!control) {
        throw Exception("Cannot create a control of the options dialog");
    }
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

} // namespace

TOptionsForm::TOptionsForm(HWND parentWindow)
    : font_(CreateFormFont(FontFace, FontHeight, SubstituteFontFace)) {
    RzColorEdit1.ShowSystemColors = true;
    RzColorEdit1.ShowCustomColor = true;
    RzColorEdit1.CustomColors = &RzCustomColors1;
    RzColorEdit1.SetSelectedColor(DefaultColor);
    CreateDialogWindow(parentWindow ? parentWindow : PluginApplication().Handle);
    CreateControls();
}

TOptionsForm::~TOptionsForm() {
    window_.reset(); // with its controls, before their classes go
}

void TOptionsForm::CreateDialogWindow(HWND owner) {
    alignas(DWORD) EmptyTemplate dialogTemplate{};
    dialogTemplate.header.style = DialogStyle;
    HWND window = CreateDialogIndirectParamA(thisModule(), &dialogTemplate.header, owner, &DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    if (!window) {
        throw Exception("Cannot create the options dialog");
    }
    window_.reset(window);
    SetWindowTextA(window, loadResourceString(IDS_OPTIONS_CAPTION).c_str());
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

    // A dialog frame: fixed size, close box only.
    HMENU systemMenu = GetSystemMenu(window, FALSE);
    for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
        DeleteMenu(systemMenu, command, MF_BYCOMMAND);
    }

    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // Centred on the screen.
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TOptionsForm::CreateControls() {
    HWND form = window_.get();
    HFONT font = font_.get();
    // Creation order is tab order.
    Button1 = createControl(form, "BUTTON", loadResourceString(IDS_OPTIONS_OK), WS_TABSTOP | BS_DEFPUSHBUTTON,
                            IdButton1, Place{272, 8, 57, 25}, font);
    Button2 = createControl(form, "BUTTON", loadResourceString(IDS_OPTIONS_CANCEL),
                            WS_TABSTOP | BS_PUSHBUTTON, IdButton2, Place{272, 40, 57, 25}, font);
    GroupBox1 = CreateGroupBox(form, IdGroupBox1, Place{8, 0, 257, 129}.rect(), "");
    SendMessageA(GroupBox1, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    Label1 = createControl(GroupBox1, "STATIC", loadResourceString(IDS_OPTIONS_COLOR_LABEL), SS_LEFT,
                           IdLabel1, Place{16, 16, 137, 25}, font);
    RzColorEdit1.CreateWnd(GroupBox1, IdRzColorEdit1, Place{160, 16, 81, 21}.rect());
    SendMessageA(RzColorEdit1.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    Button3 = createControl(GroupBox1, "BUTTON", loadResourceString(IDS_OPTIONS_DEFAULT_COLOR),
                            WS_TABSTOP | BS_PUSHBUTTON, IdButton3, Place{16, 56, 89, 25}, font);
    CheckBox1 = createControl(GroupBox1, "BUTTON", loadResourceString(IDS_OPTIONS_SOUND),
                              WS_TABSTOP | BS_AUTOCHECKBOX, IdCheckBox1, Place{16, 96, 225, 17}, font);
}

int TOptionsForm::ShowModal() {
    HWND dialog = window_.get();
    modalResult_ = 0;
    {
        const ThreadWindowsDisabled disabled(dialog);
        ShowWindow(dialog, SW_SHOWNORMAL);
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Button1), TRUE);
        const bool running = RunModalLoop(dialog, [&] { return modalResult_ != 0 || !IsWindow(dialog); });
        if (!running || modalResult_ == 0) {
            modalResult_ = mrCancel;
        }
        // The other windows come back first, so that activation returns to the logbook.
    }
    if (IsWindow(dialog)) {
        ShowWindow(dialog, SW_HIDE);
    }
    return modalResult_;
}

void TOptionsForm::Button3Click() {
    RzColorEdit1.SetSelectedColor(DefaultColor);
}

INT_PTR CALLBACK TOptionsForm::DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lparam);
        return FALSE;
    }
    auto* self = reinterpret_cast<TOptionsForm*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self) {
        return FALSE;
    }
    return GuardedMessage(FALSE, [&] { return self->HandleMessage(message, wparam, lparam); });
}

INT_PTR TOptionsForm::HandleMessage(UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) != BN_CLICKED) {
            return FALSE;
        }
        switch (LOWORD(wparam)) {
        case IdButton1:
            modalResult_ = mrOk;
            return TRUE;
        case IdButton2:
            modalResult_ = mrCancel;
            return TRUE;
        case IdButton3:
            Button3Click();
            return TRUE;
        case IDCANCEL: // Escape: nothing
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE: // the close box
        modalResult_ = mrCancel;
        return TRUE;
    case WM_NCDESTROY: // also when its owner goes first
        (void)window_.release();
        return FALSE;
    }
    return FALSE;
}

} // namespace zvk
