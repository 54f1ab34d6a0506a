// The balloon notice: one tracking tooltip of the common controls, shown at a point with a title, an icon
// and a text. It hides on a left press elsewhere or Esc (a thread message hook), reports show, hide and
// click, can hide itself after ShowTime, and plays one of six embedded sounds.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "notice/hint_ex_types.h"
#include "runtime/timer.h"

namespace zvk {

class TManualHint;
typedef std::function<void(TManualHint& Sender)> TNotifyCallback;

class TManualHint {
  public:
    // OwnerWindow: the owner's window when the owner is a windowed control (points are then in its client
    // coordinates), or none (screen coordinates).
    explicit TManualHint(HWND OwnerWindow = nullptr);
    virtual ~TManualHint();
    TManualHint(const TManualHint&) = delete;
    TManualHint& operator=(const TManualHint&) = delete;

    virtual void ShowHint(int32_t X, int32_t Y);
    virtual void ShowHint(int32_t X, int32_t Y, const std::string& Text);
    virtual void ShowHint(int32_t X, int32_t Y, const std::string& Title, const std::string& Text);
    virtual void ShowHint(int32_t X, int32_t Y, const std::string& Title, const std::string& Text,
                          TIconType Icon);
    void HideHint();
    void PlayHintSound();
    // Stops the sound this notice started, should it still play: it plays from the module's own memory,
    // which must stay while it does. Nothing happens when no sound was started.
    void StopHintSound();

    // Published properties. Style, mode and close button count only before the first show.
    TNotifyCallback OnShow, OnHide, OnClick;
    THintStyle HintStyle() const { return FHintStyle; }
    void SetHintStyle(THintStyle value) { FHintStyle = value; }
    THintMode HintMode() const { return FHintMode; }
    void SetHintMode(THintMode value) { FHintMode = value; }
    TIconType IconType() const { return FIconType; }
    void SetIconType(TIconType value) { FIconType = value; }
    TSoundType SoundType() const { return FSoundType; }
    void SetSoundType(TSoundType value) { FSoundType = value; }
    bool AllowClosed() const { return FAllowClosed; }
    void SetAllowClosed(bool value) { FAllowClosed = value; }
    bool AutoHide() const { return FAutoHide; }
    void SetAutoHide(bool value) { FAutoHide = value; }
    bool SoundEnabled() const { return FSoundEnabled; }
    void SetSoundEnabled(bool value) { FSoundEnabled = value; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    const std::vector<std::string>& Text() const { return FText; }
    void SetText(const std::vector<std::string>& lines) { FText = lines; }
    uint32_t ShowTime() const { return FHideTimer.Interval(); }
    void SetShowTime(uint32_t milliseconds) { FHideTimer.SetInterval(milliseconds); }

    // The tooltip window, 0 until the first show; for whoever needs to find it.
    HWND HintWindow() const { return FHintWindow; }

  private:
    friend LRESULT CALLBACK HintMessageHook(int code, WPARAM wparam, LPARAM lparam);

    void MakeCurrent();
    void CreateHintWindow();
    void Show(int32_t X, int32_t Y, const std::string& Title, const std::string& Text, TIconType Icon,
              bool TrimWithoutTitle);
    void HideTimerExpired();
    LRESULT OwnerWndProc(UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK OwnerProcInstance(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void DoShow();
    void DoHide();
    void DoClick();

    THintStyle FHintStyle = hsStandart;
    THintMode FHintMode = hmStandart;
    TIconType FIconType = itNone;
    TSoundType FSoundType = stStandart;
    bool FAllowClosed = false;
    bool FAutoHide = true;
    bool FSoundEnabled = false;
    std::string FCaption;
    std::vector<std::string> FText;
    TTTOOLINFOA FToolInfo{};
    HWND FHintWindow = nullptr;
    HWND FOwnerWindow = nullptr;
    bool FPressed = false;
    TTimer FHideTimer;
    WNDPROC FOldOwnerProc = nullptr;
    bool FOwnerProcInstalled = false;
    std::string FShownText; // the characters FToolInfo.lpszText points at
    bool FSoundStarted = false;
};

// The notice last made current by a show, module-wide; none after any notice is destroyed.
extern TManualHint* CurrentHint;

} // namespace zvk
