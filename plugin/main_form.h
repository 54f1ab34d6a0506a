// The hidden borderless form whose window the run call hands to the host. The host may show or close
// it; the window property tells the host which happened.
#pragma once
#include <windows.h>

#include "runtime/unique_handles.h"
#include "runtime/window_class.h"

namespace zvk {

extern const char* const MainFormPropName;

class TMainForm {
  public:
    TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    HWND Handle() const { return window_.get(); }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    WindowClass class_;
    UniqueWindow window_; // destroyed before its class is unregistered
};

} // namespace zvk
