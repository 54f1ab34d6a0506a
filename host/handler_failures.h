// What the host does when a plug-in's event handler reports failure: it writes the COM error object's
// message to stderr, keeps it, and lets the main window show the first one to the operator.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace brevlog {

class HandlerFailures {
  public:
    // Posted to the notify window after the first failure, so that no message box runs inside a paint.
    static constexpr UINT kFirstFailureMessage = WM_APP + 1;

    void SetNotifyWindow(HWND window) { notifyWindow_ = window; }

    // Takes the thread's COM error object, if any, and records the failure of the named event.
    void Report(const char* event, HRESULT status);

    size_t count() const { return messages_.size(); }
    const std::vector<std::string>& messages() const { return messages_; } // UTF-8

  private:
    HWND notifyWindow_ = nullptr;
    std::vector<std::string> messages_;
};

} // namespace brevlog
