// Exchanging and restoring one event of a host control, half by half in the order the host expects.
#pragma once
#include "sdk/brevlog_plugin.h"

namespace zvk {

// A saved handler pair plus whether the control is attached. The pair alone cannot say so: an event
// that held no handler is saved as an empty pair, and must still be restored (to empty) and never be
// attached twice.
template <class CodeHalf> struct TSavedEvent {
    TEventSlot<CodeHalf> Pair{nullptr, nullptr};
    bool Attached = false;

    bool Assigned() const { return Pair.Code != nullptr; }
};

template <class CodeHalf>
void ExchangeEvent(TEventSlot<CodeHalf>& event, TSavedEvent<CodeHalf>& saved, CodeHalf handler, void* self) {
    saved.Pair.Code = event.Code;
    saved.Pair.Data = event.Data;
    event.Data = self;
    event.Code = handler;
    saved.Attached = true;
}

// Overwrites whatever the event holds now: a replacement made by the host while attached is lost.
template <class CodeHalf> void RestoreEvent(TEventSlot<CodeHalf>& event, TSavedEvent<CodeHalf>& saved) {
    event.Code = saved.Pair.Code;
    event.Data = saved.Pair.Data;
    saved.Pair = TEventSlot<CodeHalf>{nullptr, nullptr};
    saved.Attached = false;
}

typedef TSavedEvent<TNotifyEventCode> TSavedNotifyEvent;
typedef TSavedEvent<TwwDrawDataCellEventCode> TSavedDrawDataCellEvent;

} // namespace zvk
