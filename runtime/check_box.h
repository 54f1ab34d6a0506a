// The ticked state of a check box control.
#pragma once
#include <windows.h>

namespace zvk {

inline bool Checked(HWND checkBox) {
    return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline void SetChecked(HWND checkBox, bool checked) {
    SendMessageA(checkBox, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace zvk
