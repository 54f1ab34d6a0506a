#include "runtime/timer.h"

#include <map>

namespace zvk {

namespace {

// Thread timers carry no data: their identifiers lead back to the objects.
std::map<UINT_PTR, TTimer*>& running() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

} // namespace

TTimer::~TTimer() {
    enabled_ = false;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        Update();
    }
}

void TTimer::SetInterval(uint32_t interval) {
    if (interval != interval_) {
        interval_ = interval;
        Update();
    }
}

void TTimer::Update() {
    if (id_ != 0) {
        KillTimer(nullptr, id_);
        running().erase(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ != 0) {
        id_ = SetTimer(nullptr, 0, interval_, &TTimer::Fired);
        if (id_ != 0) {
            running()[id_] = this;
        }
    }
}

void CALLBACK TTimer::Fired(HWND, UINT, UINT_PTR id, DWORD) {
    // Runs inside the thread's message loop: nothing may escape into it.
    try {
        const auto found = running().find(id);
        if (found != running().end() && found->second->OnTimer) {
            found->second->OnTimer();
        }
    } catch (...) {
    }
}

} // namespace zvk
