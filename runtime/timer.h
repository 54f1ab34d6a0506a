// A timer that fires on the creating thread through its message loop, like the runtime's TTimer:
// enabling an enabled timer does not restart it, a new interval restarts a running one, and an interval
// of 0 never fires.
#pragma once
#include <windows.h>
#include <cstdint>
#include <functional>

namespace zvk {

class TTimer {
  public:
    TTimer() = default;
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return interval_; }
    void SetInterval(uint32_t interval);

    std::function<void()> OnTimer;

  private:
    static void CALLBACK Fired(HWND, UINT, UINT_PTR id, DWORD);
    void Update();

    bool enabled_ = true;
    uint32_t interval_ = 1000;
    UINT_PTR id_ = 0;
};

} // namespace zvk
