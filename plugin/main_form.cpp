#include "plugin/main_form.h"

#include "runtime/application.h"
#include "runtime/exception.h"
#include "runtime/module.h"

namespace zvk {

const char* const MainFormPropName = "{8E5FED65-0336-4379-92FD-0E509B91320F}";

namespace {

const char* const ClassName = "TMainForm";
constexpr int ClientWidth = 280;
constexpr int ClientHeight = 97;

void setState(HWND window, int value) {
    SetPropA(window, MainFormPropName, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
}

} // namespace

LRESULT CALLBACK TMainForm::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: // FormCreate
        setState(window, 1);
        return 0;
    case WM_SHOWWINDOW: // FormShow
        if (wparam) {
            setState(window, 2);
        }
        break;
    case WM_WINDOWPOSCHANGED: // FormShow too: SetWindowPos shows a window without WM_SHOWWINDOW
        if (reinterpret_cast<const WINDOWPOS*>(lparam)->flags & SWP_SHOWWINDOW) {
            setState(window, 2);
        }
        break;
    case WM_CLOSE: // FormClose; a secondary form only hides when closed
        setState(window, 1);
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_NCDESTROY:
        RemovePropA(window, MainFormPropName);
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

TMainForm::TMainForm()
    : class_(ClassName, &WindowProc, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
      // No border: the window rectangle is the client area.
      window_(CreateWindowExA(0, ClassName, "MainForm", WS_POPUP, 0, 0, ClientWidth, ClientHeight,
                              PluginApplication().Handle, nullptr, thisModule(), nullptr)) {
    if (!window_) {
        throw Exception("Cannot create the main form's window");
    }
}

} // namespace zvk
