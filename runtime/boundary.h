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

// A failure to be shown over a given window: the one the plug-in had adopted when it happened, which the
// undo of the failed call has given back since.
class EOwnedFailure : public Exception {
  public:
    EOwnedFailure(const std::string& message, HWND owner) : Exception(message), owner_(owner) {}
    HWND owner() const { return owner_; }

  private:
    HWND owner_;
};

// Shows the message as the runtime's default handler would, over the plug-in application's window.
void ShowException(const char* message) noexcept;
void ShowException(const char* message, HWND owner) noexcept;

// The message of the exception being handled; for use inside a catch block.
std::string CurrentExceptionMessage();

// Throws EHostError when a host handler reported failure.
void CheckHostResult(HRESULT status);

// Leaves the message in the COM error object for the host; answers the status to return.
HRESULT ReportToHost(const std::exception& error) noexcept;

template <class R, class F> R GuardedEntry(R neutral, F&& body) noexcept {
    try {
        return body();
    } catch (const EOwnedFailure& e) {
        ShowException(e.what(), e.owner());
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
