// Window procedures run inside whatever loop dispatches to them, the host's included: a failure is shown
// to the operator there, as the runtime's default handler would, and never unwinds into the dispatcher.
#pragma once
#include <windows.h>
#include <exception>

#include "runtime/boundary.h"

namespace zvk {

template <class F> LRESULT GuardedMessage(LRESULT fallback, F&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown error");
    }
    return fallback;
}

} // namespace zvk
