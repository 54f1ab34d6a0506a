// A window class of this module, registered for as long as its windows exist: a DLL's classes outlive it
// unless unregistered, and a later load would find a stale window procedure.
#pragma once
#include <windows.h>

namespace zvk {

// Throws when the class cannot be registered.
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
