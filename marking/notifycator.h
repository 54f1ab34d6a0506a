// The notifier: places its handlers into the host's two log grids and its callsign box and keeps the
// handlers it found there. The box's events go on to them first; a grid's cell goes to them unless it is a
// member's callsign, which the notifier paints itself.
#pragma once
#include "marking/event_slot.h"
#include "marking/member_bitmap.h"
#include "sdk/brevlog_plugin.h"

namespace zvk {

class TNotifycator {
  public:
    TNotifycator();
    ~TNotifycator();
    TNotifycator(const TNotifycator&) = delete;
    TNotifycator& operator=(const TNotifycator&) = delete;

    void AttachCallsignEdit();
    void DetachCallsignEdit();
    void CheckCallsign();

  private:
    void AttachGrids();
    void DetachGrids();

    void MainGridDrawDataCell(TObject* Sender, const TRect* Rect, TField* Field, TGridDrawState State);
    void SecondGridDrawDataCell(TObject* Sender, const TRect* Rect, TField* Field, TGridDrawState State);
    void DrawDataCell(const TSavedDrawDataCellEvent& saved, TObject* Sender, const TRect* Rect, TField* Field,
                      TGridDrawState State);
    void CallsignEditChange(TObject* Sender);
    void CallsignEditExit(TObject* Sender);
    void CallsignEditEnter(TObject* Sender);

    // The code halves the host calls: the notifier comes back as the data half.
    static HRESULT __stdcall MainGridDrawThunk(void* self, TObject* Sender, const TRect* Rect, TField* Field,
                                               TGridDrawState State);
    static HRESULT __stdcall SecondGridDrawThunk(void* self, TObject* Sender, const TRect* Rect,
                                                 TField* Field, TGridDrawState State);
    static HRESULT __stdcall EditChangeThunk(void* self, TObject* Sender);
    static HRESULT __stdcall EditExitThunk(void* self, TObject* Sender);
    static HRESULT __stdcall EditEnterThunk(void* self, TObject* Sender);

    TSavedDrawDataCellEvent FOldMainGridDraw;
    TSavedDrawDataCellEvent FOldSecondGridDraw;
    TSavedNotifyEvent FOldEditChange;
    TSavedNotifyEvent FOldEditExit;
    TSavedNotifyEvent FOldEditEnter;
    TMemberBitmap FBitmap;
};

// Calls a saved pair with exactly the arguments the handler received; an empty pair is skipped.
void CallSaved(const TSavedNotifyEvent& saved, TObject* Sender);
void CallSaved(const TSavedDrawDataCellEvent& saved, TObject* Sender, const TRect* Rect, TField* Field,
               TGridDrawState State);

} // namespace zvk
