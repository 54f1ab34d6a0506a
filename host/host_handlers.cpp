#include "host/host_handlers.h"

#include "host/log_grid.h"
#include "host/text_codec.h"
#include "host/win_handles.h"

#include <objbase.h>

namespace brevlog {

namespace {

constexpr int kMarkerWidth = 4;

std::string TakeText(char* text) {
    std::string copy = text ? std::string(text) : std::string();
    CoTaskMemFree(text);
    return copy;
}

HRESULT __stdcall DrawModeMarker(void* self, TObject* /*sender*/, const TRect* rect, TField* field,
                                 TGridDrawState /*state*/) {
    static const std::string modeField = Cp1251FromUtf8("Режим");
    if (!field || modeField != field->FieldName())
        return S_OK;
    auto* grid = static_cast<LogGrid*>(self);
    HDC dc = grid->Canvas()->Handle();
    RECT marker{rect->Right - kMarkerWidth - 1, rect->Top + 2, rect->Right - 1, rect->Bottom - 2};
    UniqueBrush brush(CreateSolidBrush(ModeMarkerColor(TakeText(field->AsString()))));
    FillRect(dc, &marker, brush.get());
    return S_OK;
}

std::wstring UpperText(TCustomEdit& edit) {
    std::wstring text = WideFrom(TakeText(edit.Text()), kCyrillicCodePage);
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

HRESULT __stdcall EntryChanged(void* self, TObject* sender) {
    auto& edit = *reinterpret_cast<TCustomEdit*>(sender);
    static_cast<EntryStatusSink*>(self)->ShowEntryStatus(L"Позывной: " + UpperText(edit));
    return S_OK;
}

HRESULT __stdcall EntryEntered(void* self, TObject* /*sender*/) {
    static_cast<EntryStatusSink*>(self)->ShowEntryStatus(L"Ввод позывного");
    return S_OK;
}

HRESULT __stdcall EntryLeft(void* self, TObject* /*sender*/) {
    static_cast<EntryStatusSink*>(self)->ShowEntryStatus(L"Поле позывного покинуто");
    return S_OK;
}

} // namespace

COLORREF ModeMarkerColor(const std::string& mode) {
    if (mode == "CW")
        return RGB(0xC0, 0x20, 0x20);
    if (mode == "SSB")
        return RGB(0x20, 0x40, 0xC0);
    return RGB(0x20, 0x90, 0x30);
}

void InstallModeMarker(LogGrid& grid) {
    *grid.OnDrawDataCell() = TwwDrawDataCellEvent{&DrawModeMarker, &grid};
}

void InstallEntryStatus(TCustomEdit& edit, EntryStatusSink& sink) {
    *edit.OnChange() = TNotifyEvent{&EntryChanged, &sink};
    *edit.OnEnter() = TNotifyEvent{&EntryEntered, &sink};
    *edit.OnExit() = TNotifyEvent{&EntryLeft, &sink};
}

} // namespace brevlog
