// The plug-in's own application object: the window that owns its message boxes and dialogs, and the
// title they carry. It adopts the host application's window while the plug-in runs.
#pragma once
#include <windows.h>
#include <string>

namespace zvk {

struct TApplicationState {
    HWND Handle = nullptr;
    std::string Title = "zvk";
    bool Active = true; // a notice is shown only while the application is active; in the plug-in always
};

TApplicationState& PluginApplication();

} // namespace zvk
