// The module-wide message hook of the balloon notice: it watches every message the notice's thread takes
// from its queue, to hide the current notice on a left press elsewhere or on Esc and to report a click on
// it. Messages are never swallowed.
#pragma once
#include <windows.h>

namespace zvk {

LRESULT CALLBACK HintMessageHook(int code, WPARAM wparam, LPARAM lparam);

// Installs the hook for the calling thread unless it is installed.
void InstallHintHook();
// Removes the hook if it is installed.
void RemoveHintHook();
bool HintHookInstalled();

} // namespace zvk
