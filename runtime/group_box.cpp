#include "runtime/group_box.h"

#include "runtime/exception.h"
#include "runtime/module.h"

namespace zvk {

namespace {

const char* const PreviousProcedure = "zvk.GroupBox.Procedure";

LRESULT CALLBACK groupBoxProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, PreviousProcedure));
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return SendMessageA(GetParent(window), message, wparam, lparam);
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(window, PreviousProcedure);
        break;
    }
    return CallWindowProcA(previous, window, message, wparam, lparam);
}

} // namespace

HWND CreateGroupBox(HWND parent, int id, const RECT& bounds, const char* caption) {
    HWND box = CreateWindowExA(WS_EX_CONTROLPARENT, "BUTTON", caption,
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | BS_GROUPBOX, bounds.left, bounds.top,
                               bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), thisModule(), nullptr);
    if (!box) {
        throw Exception("Cannot create a group box");
    }
    const LONG_PTR previous = GetWindowLongPtrA(box, GWLP_WNDPROC);
    SetPropA(box, PreviousProcedure, reinterpret_cast<HANDLE>(previous));
    SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&groupBoxProcedure));
    return box;
}

} // namespace zvk
