// The plug-in's own application object: the window that owns its message boxes and dialogs, and the
// title they carry. It adopts the host application's window while the plug-in runs.
#pragma once
#include <windows.h>
#include <string>

namespace zvk {

struct TApplicationState {
    HWND Handle = nullptr;
    std::string Title = "zvk";
};

TApplicationState& PluginApplication();

} // namespace zvk
