// Window procedures run inside whatever loop dispatches to them, the host's included: a failure is shown
// to the operator there, as the runtime's default handler would, and never unwinds into the dispatcher.
#pragma once
#include <windows.h>
#include <utility>

#include "runtime/boundary.h"

namespace zvk {

// The entry points' boundary, answering `fallback` to the dispatcher after a failure.
template <class F> LRESULT GuardedMessage(LRESULT fallback, F&& body) noexcept {
    return GuardedEntry<LRESULT>(fallback, std::forward<F>(body));
}

// The object a window procedure serves, as CreateWindowEx handed it over (lpParam) and WM_NCCREATE stored
// it; none before that message and after it has been cleared.
template <class T> T* WindowInstance(HWND window, UINT message, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

} // namespace zvk
