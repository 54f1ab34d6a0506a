// The host's callsign box: a real EDIT control behind the TCustomEdit interface. The parent window forwards
// the box's notifications, which the adapter turns into calls of the OnChange, OnEnter and OnExit slots.
#pragma once
#include "sdk/brevlog_plugin.h"

#include "host/handler_failures.h"
#include "host/win_handles.h"

namespace brevlog {

class CallsignEdit final : public TCustomEdit {
  public:
    explicit CallsignEdit(HandlerFailures& failures) : failures_(failures) {}
    CallsignEdit(const CallsignEdit&) = delete;
    CallsignEdit& operator=(const CallsignEdit&) = delete;

    HWND Create(HWND parent, int id, const RECT& bounds);
    HWND window() const { return window_.get(); }
    TObject* AsSender() { return reinterpret_cast<TObject*>(static_cast<TCustomEdit*>(this)); }

    // EN_CHANGE, EN_SETFOCUS and EN_KILLFOCUS as the parent received them in WM_COMMAND.
    void HandleNotification(WORD code);

    TNotifyEvent* __stdcall OnChange() override { return &onChange_; }
    TNotifyEvent* __stdcall OnEnter() override { return &onEnter_; }
    TNotifyEvent* __stdcall OnExit() override { return &onExit_; }
    char* __stdcall Text() override;
    BOOL __stdcall Focused() override;
    HWND __stdcall Handle() override { return window_.get(); }

  private:
    void Fire(const TNotifyEvent& slot, const char* event);

    HandlerFailures& failures_;
    UniqueWindow window_;
    TNotifyEvent onChange_{};
    TNotifyEvent onEnter_{};
    TNotifyEvent onExit_{};
};

} // namespace brevlog
