// A group box that holds controls, as the forms' group boxes do: its controls take part in the form's tab
// order, and their notifications reach the form.
#pragma once
#include <windows.h>

namespace zvk {

HWND CreateGroupBox(HWND parent, int id, const RECT& bounds, const char* caption);

} // namespace zvk
