#include "host/callsign_edit.h"

#include "host/text_codec.h"

namespace brevlog {

HWND CallsignEdit::Create(HWND parent, int id, const RECT& bounds) {
    HWND window = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, bounds.left,
        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    window_.reset(window);
    return window;
}

void CallsignEdit::HandleNotification(WORD code) {
    switch (code) {
    case EN_CHANGE:
        Fire(onChange_, "OnChange");
        break;
    case EN_SETFOCUS:
        Fire(onEnter_, "OnEnter");
        break;
    case EN_KILLFOCUS:
        Fire(onExit_, "OnExit");
        break;
    default:
        break;
    }
}

void CallsignEdit::Fire(const TNotifyEvent& slot, const char* event) {
    if (!slot.Code)
        return;
    HRESULT status = slot.Code(slot.Data, AsSender());
    if (FAILED(status))
        failures_.Report(event, status);
}

char* __stdcall CallsignEdit::Text() {
    return CoTaskMemCopy(window_ ? WindowText1251(window_.get()) : std::string());
}

BOOL __stdcall CallsignEdit::Focused() {
    return window_ && GetFocus() == window_.get();
}

} // namespace brevlog
