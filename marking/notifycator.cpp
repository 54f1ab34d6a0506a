#include "marking/notifycator.h"

#include <cstring>

#include "plugin/data_module.h"
#include "plugin/globals.h"
#include "plugin/member_database.h"
#include "plugin/resource_ids.h"
#include "settings/config.h"
#include "runtime/boundary.h"
#include "runtime/color.h"
#include "runtime/host_text.h"
#include "runtime/module.h"
#include "runtime/text_format.h"

namespace zvk {

namespace {

TwwDBGrid* mainGrid() {
    return HostContext->MainWindow->GetMainGrid();
}

TwwDBGrid* secondGrid() {
    THostSecondLog* secondLog = HostContext->SecondLog;
    return secondLog ? secondLog->GetSecondGrid() : nullptr;
}

const char* const CallsignFieldName = "\xCF\xEE\xE7\xFB\xE2\xED\xEE\xE9"; // "Позывной"
constexpr int NoticeInset = 5;

// Changes whenever a notifier goes away. A host handler may release the plug-in (and so free the
// notifier whose handler called it): whoever called it compares before touching anything of its own.
unsigned NotifierGeneration = 0;

} // namespace

void CallSaved(const TSavedNotifyEvent& saved, TObject* Sender) {
    if (saved.Assigned()) {
        CheckHostResult(saved.Pair.Code(saved.Pair.Data, Sender));
    }
}

void CallSaved(const TSavedDrawDataCellEvent& saved, TObject* Sender, const TRect* Rect, TField* Field,
               TGridDrawState State) {
    if (saved.Assigned()) {
        CheckHostResult(saved.Pair.Code(saved.Pair.Data, Sender, Rect, Field, State));
    }
}

TNotifycator::TNotifycator() {
    AttachGrids();
    AttachCallsignEdit();
}

TNotifycator::~TNotifycator() {
    ++NotifierGeneration;
    DetachGrids();
    DetachCallsignEdit();
}

void TNotifycator::AttachGrids() {
    if (TwwDBGrid* grid = mainGrid(); grid && !FOldMainGridDraw.Attached) {
        ExchangeEvent(*grid->OnDrawDataCell(), FOldMainGridDraw, MainGridDrawThunk, this);
        grid->Repaint();
    }
    if (TwwDBGrid* grid = secondGrid(); grid && !FOldSecondGridDraw.Attached) {
        ExchangeEvent(*grid->OnDrawDataCell(), FOldSecondGridDraw, SecondGridDrawThunk, this);
        grid->Repaint();
    }
}

// In the reverse order of attaching: when the host offers one grid as both, the second exchange saved
// the first one's handler, and only this order brings the host's own pair back.
void TNotifycator::DetachGrids() {
    if (TwwDBGrid* grid = secondGrid(); grid && FOldSecondGridDraw.Attached) {
        RestoreEvent(*grid->OnDrawDataCell(), FOldSecondGridDraw);
        grid->Repaint();
    }
    if (TwwDBGrid* grid = mainGrid(); grid && FOldMainGridDraw.Attached) {
        RestoreEvent(*grid->OnDrawDataCell(), FOldMainGridDraw);
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
    ExchangeEvent(*edit->OnChange(), FOldEditChange, EditChangeThunk, this);
    ExchangeEvent(*edit->OnExit(), FOldEditExit, EditExitThunk, this);
    ExchangeEvent(*edit->OnEnter(), FOldEditEnter, EditEnterThunk, this);
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
    if (!edit || !DataModule1) {
        return;
    }
    const std::string text = HostText(edit->Text()).str();
    TManualHint& notice = DataModule1->ManualHint1;
    notice.HideHint();
    if (!DataModule1->ADOQuery1.Active() || text.empty() || !IsMember(text)) {
        return;
    }
    TCustomEdit* box = panel->GetCallsignEdit();
    RECT bounds{};
    if (!box || !GetWindowRect(box->Handle(), &bounds)) {
        return;
    }
    // The typed text is the format's argument, so a "%" in it stays as typed.
    const std::string message = FormatText(loadResourceString(IDS_MEMBER_NOTICE), {text});
    notice.ShowHint(bounds.left + NoticeInset, bounds.bottom - NoticeInset, message);
    if (Config.EnableSound) {
        notice.PlayHintSound();
    }
}

// A cell of another field costs one comparison of the name the host lends; a callsign cell one lookup.
void TNotifycator::DrawDataCell(const TSavedDrawDataCellEvent& saved, TObject* Sender, const TRect* Rect,
                                TField* Field, TGridDrawState State) {
    if (Field && Rect && std::strcmp(Field->FieldName(), CallsignFieldName) == 0) {
        const std::string callsign = HostText(Field->AsString()).str();
        TCanvas* canvas = IsMember(callsign) ? AsGrid(Sender)->Canvas() : nullptr;
        if (canvas) {
            FBitmap.PaintCell(canvas->Handle(), *Rect, ColorToRGB(Config.SelectColor), canvas->FontName(),
                              canvas->FontStyle(), canvas->FontSize(), ColorToRGB(canvas->FontColor()),
                              callsign);
            return;
        }
    }
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
    const unsigned generation = NotifierGeneration;
    CallSaved(FOldEditChange, Sender);
    if (generation == NotifierGeneration) {
        CheckCallsign();
    }
}

void TNotifycator::CallsignEditEnter(TObject* Sender) {
    const unsigned generation = NotifierGeneration;
    CallSaved(FOldEditEnter, Sender);
    if (generation == NotifierGeneration) {
        CheckCallsign();
    }
}

void TNotifycator::CallsignEditExit(TObject* Sender) {
    const unsigned generation = NotifierGeneration;
    CallSaved(FOldEditExit, Sender);
    if (generation == NotifierGeneration && DataModule1) {
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
