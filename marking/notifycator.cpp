#include "marking/notifycator.h"

#include "plugin/data_module.h"
#include "plugin/globals.h"
#include "runtime/boundary.h"
#include "runtime/host_text.h"

namespace zvk {

namespace {

TwwDBGrid* mainGrid() {
    return HostContext->MainWindow->GetMainGrid();
}

TwwDBGrid* secondGrid() {
    THostSecondLog* secondLog = HostContext->SecondLog;
    return secondLog ? secondLog->GetSecondGrid() : nullptr;
}

void* code(HRESULT(__stdcall* handler)(void*, TObject*)) {
    return reinterpret_cast<void*>(handler);
}

void* code(HRESULT(__stdcall* handler)(void*, TObject*, const TRect*, TField*, TGridDrawState)) {
    return reinterpret_cast<void*>(handler);
}

} // namespace

void CallSaved(const TSavedEvent& saved, TObject* Sender) {
    if (saved.Assigned()) {
        auto handler = reinterpret_cast<TNotifyEventCode>(saved.Pair.Code);
        CheckHostResult(handler(saved.Pair.Data, Sender));
    }
}

void CallSaved(const TSavedEvent& saved, TObject* Sender, const TRect* Rect, TField* Field,
               TGridDrawState State) {
    if (saved.Assigned()) {
        auto handler = reinterpret_cast<TwwDrawDataCellEventCode>(saved.Pair.Code);
        CheckHostResult(handler(saved.Pair.Data, Sender, Rect, Field, State));
    }
}

TNotifycator::TNotifycator() {
    AttachGrids();
    AttachCallsignEdit();
}

TNotifycator::~TNotifycator() {
    DetachGrids();
    DetachCallsignEdit();
}

void TNotifycator::AttachGrids() {
    if (TwwDBGrid* grid = mainGrid(); grid && !FOldMainGridDraw.Attached) {
        ExchangeEvent(*grid->OnDrawDataCell(), FOldMainGridDraw, code(MainGridDrawThunk), this);
        grid->Repaint();
    }
    if (TwwDBGrid* grid = secondGrid(); grid && !FOldSecondGridDraw.Attached) {
        ExchangeEvent(*grid->OnDrawDataCell(), FOldSecondGridDraw, code(SecondGridDrawThunk), this);
        grid->Repaint();
    }
}

void TNotifycator::DetachGrids() {
    if (TwwDBGrid* grid = mainGrid(); grid && FOldMainGridDraw.Attached) {
        RestoreEvent(*grid->OnDrawDataCell(), FOldMainGridDraw);
        grid->Repaint();
    }
    if (TwwDBGrid* grid = secondGrid(); grid && FOldSecondGridDraw.Attached) {
        RestoreEvent(*grid->OnDrawDataCell(), FOldSecondGridDraw);
        grid->Repaint();
    }
}

void TNotifycator::AttachCallsignEdit() {
    if (!HostContext->EntryPanel || FOldEditChange.Attached) {
        return;
    }
    TCustomEdit* edit = HostContext->EntryPanel->GetCallsignEdit();
    if (!edit) {
        return;
    }
    ExchangeEvent(*edit->OnChange(), FOldEditChange, code(EditChangeThunk), this);
    ExchangeEvent(*edit->OnExit(), FOldEditExit, code(EditExitThunk), this);
    ExchangeEvent(*edit->OnEnter(), FOldEditEnter, code(EditEnterThunk), this);
}

void TNotifycator::DetachCallsignEdit() {
    if (!HostContext->EntryPanel || !FOldEditChange.Attached) {
        return;
    }
    TCustomEdit* edit = HostContext->EntryPanel->GetCallsignEdit();
    if (!edit) {
        return;
    }
    RestoreEvent(*edit->OnChange(), FOldEditChange);
    RestoreEvent(*edit->OnExit(), FOldEditExit);
    RestoreEvent(*edit->OnEnter(), FOldEditEnter);
}

void TNotifycator::CheckCallsign() {
    THostEntryPanel* panel = HostContext->EntryPanel;
    TCustomEdit* edit = panel ? panel->GetCallsignEdit() : nullptr;
    if (!edit) {
        return;
    }
    HostText text(edit->Text());
    DataModule1->ManualHint1.HideHint();
}

void TNotifycator::DrawDataCell(const TSavedEvent& saved, TObject* Sender, const TRect* Rect, TField* Field,
                                TGridDrawState State) {
    CallSaved(saved, Sender, Rect, Field, State);
}

void TNotifycator::MainGridDrawDataCell(TObject* Sender, const TRect* Rect, TField* Field,
                                        TGridDrawState State) {
    DrawDataCell(FOldMainGridDraw, Sender, Rect, Field, State);
}

void TNotifycator::SecondGridDrawDataCell(TObject* Sender, const TRect* Rect, TField* Field,
                                          TGridDrawState State) {
    DrawDataCell(FOldSecondGridDraw, Sender, Rect, Field, State);
}

void TNotifycator::CallsignEditChange(TObject* Sender) {
    CallSaved(FOldEditChange, Sender);
    CheckCallsign();
}

void TNotifycator::CallsignEditEnter(TObject* Sender) {
    CallSaved(FOldEditEnter, Sender);
    CheckCallsign();
}

void TNotifycator::CallsignEditExit(TObject* Sender) {
    CallSaved(FOldEditExit, Sender);
    if (DataModule1) {
        DataModule1->ManualHint1.HideHint();
    }
}

HRESULT __stdcall TNotifycator::MainGridDrawThunk(void* self, TObject* Sender, const TRect* Rect,
                                                  TField* Field, TGridDrawState State) {
    return GuardedHandler(
        [&] { static_cast<TNotifycator*>(self)->MainGridDrawDataCell(Sender, Rect, Field, State); });
}

HRESULT __stdcall TNotifycator::SecondGridDrawThunk(void* self, TObject* Sender, const TRect* Rect,
                                                    TField* Field, TGridDrawState State) {
    return GuardedHandler(
        [&] { static_cast<TNotifycator*>(self)->SecondGridDrawDataCell(Sender, Rect, Field, State); });
}

HRESULT __stdcall TNotifycator::EditChangeThunk(void* self, TObject* Sender) {
    return GuardedHandler([&] { static_cast<TNotifycator*>(self)->CallsignEditChange(Sender); });
}

HRESULT __stdcall TNotifycator::EditExitThunk(void* self, TObject* Sender) {
    return GuardedHandler([&] { static_cast<TNotifycator*>(self)->CallsignEditExit(Sender); });
}

HRESULT __stdcall TNotifycator::EditEnterThunk(void* self, TObject* Sender) {
    return GuardedHandler([&] { static_cast<TNotifycator*>(self)->CallsignEditEnter(Sender); });
}

} // namespace zvk
