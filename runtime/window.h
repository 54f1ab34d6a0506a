// Owners of windows and window classes. A DLL's classes outlive it unless unregistered, and a later load
// would find a stale window procedure, so a class is registered for as long as its windows exist.
#pragma once
#include <windows.h>
#include <utility>

namespace zvk {

class UniqueWindow {
  public:
    explicit UniqueWindow(HWND window = nullptr) : window_(window) {}
    ~UniqueWindow() { reset(); }
    UniqueWindow(const UniqueWindow&) = delete;
    UniqueWindow& operator=(const UniqueWindow&) = delete;

    HWND get() const { return window_; }
    explicit operator bool() const { return window_ != nullptr; }
    void reset(HWND window = nullptr) {
        // A child may be gone with its parent already.
        if (window_ && IsWindow(window_)) {
            DestroyWindow(window_);
        }
        window_ = window;
    }

  private:
    HWND window_;
};

// Registers a window class of this module for the object's life; throws when it cannot.
class WindowClass {
  public:
    WindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background);
    ~WindowClass();
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;
    const char* name() const { return name_; }

  private:
    const char* name_;
};

} // namespace zvk
