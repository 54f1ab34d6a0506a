// What a modal form does on Windows: while it runs, the thread's other windows take no input, and the
// thread's messages run through the form's dialog manager until the form has a result.
#pragma once
#include <windows.h>
#include <functional>
#include <vector>

namespace zvk {

// Disables the thread's visible, enabled top-level windows except `keep` for the object's life.
class ThreadWindowsDisabled {
  public:
    explicit ThreadWindowsDisabled(HWND keep);
    ~ThreadWindowsDisabled();
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

  private:
    static BOOL CALLBACK disable(HWND window, LPARAM self);
    HWND keep_;
    std::vector<HWND> disabled_;
};

// Runs the thread's messages until `finished` answers true; a message `handled` takes is not dispatched.
// False when the application is ending: WM_QUIT arrived, and it is posted again for the loops below.
bool RunMessagesUntil(const std::function<bool()>& finished, const std::function<bool(MSG&)>& handled);

// The same through the dialog's dialog manager (its keyboard interface).
bool RunModalLoop(HWND dialog, const std::function<bool()>& finished);

} // namespace zvk
