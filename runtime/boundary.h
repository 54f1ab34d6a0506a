// The error boundary: no C++ exception ever leaves a function that the host calls.
// - Entry points show the message to the operator, as the runtime's default handler would, and return
//   the call's neutral result.
// - Event handlers hand the failure back to the host's dispatch: a failure status, with the message in
//   the thread's COM error object, as the host's own handlers report theirs.
#pragma once
#include <windows.h>
#include <exception>
#include <string>

#include "runtime/exception.h"

namespace zvk {

// A failure reported by a host handler: its status and message travel on unchanged.
class EHostError : public Exception {
  public:
    EHostError(const std::string& message, HRESULT status) : Exception(message), status_(status) {}
    HRESULT status() const { return status_; }

  private:
    HRESULT status_;
};

void ShowException(const char* message) noexcept;

// Throws EHostError when a host handler reported failure.
void CheckHostResult(HRESULT status);

// Leaves the message in the COM error object for the host; answers the status to return.
HRESULT ReportToHost(const std::exception& error) noexcept;

template <class R, class F> R GuardedEntry(R neutral, F&& body) noexcept {
    try {
        return body();
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("Unknown error");
    }
    return neutral;
}

template <class F> void GuardedEntry(F&& body) noexcept {
    GuardedEntry(0, [&] {
        body();
        return 0;
    });
}

template <class F> HRESULT GuardedHandler(F&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (const std::exception& e) {
        return ReportToHost(e);
    } catch (...) {
        return ReportToHost(Exception("Unknown error"));
    }
}

} // namespace zvk
