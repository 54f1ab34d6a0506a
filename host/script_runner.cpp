#include "host/script_runner.h"

#include "host/host_log.h"
#include "host/main_window.h"
#include "host/message_pump.h"
#include "host/options_capture.h"
#include "host/png_writer.h"
#include "host/popup_windows.h"
#include "host/text_codec.h"
#include "host/window_capture.h"

namespace brevlog {

namespace {

HWND g_dialogOwner = nullptr;

BOOL CALLBACK CancelOwnedPopup(HWND window, LPARAM) {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == g_dialogOwner &&
        lstrcmpiW(className, L"tooltips_class32") != 0) {
        HostLog("cancelling the dialog");
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

// Runs inside the dialog's modal loop, polling until the dialog is up.
void CALLBACK CancelDialogTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &CancelOwnedPopup, 0);
}

void TypeText(MainWindow& host, const std::wstring& text) {
    HWND edit = host.callsignEdit().window();
    SetFocus(edit);
    PumpPendingMessages();
    int end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, end, end);
    for (wchar_t character : text) {
        SendMessageW(edit, WM_CHAR, character, 1);
        PumpPendingMessages();
    }
}

// Says which notices (tooltips) stand on the screen, as the operator would read them.
void ReportNotices() {
    const std::vector<VisibleTooltip> tips = VisibleTooltips();
    if (tips.empty())
        HostLog("no notice visible");
    for (const VisibleTooltip& tip : tips) {
        HostLog("notice visible: \"%s\"", NarrowFrom(WideFrom(tip.text, kCyrillicCodePage), CP_UTF8).c_str());
    }
}

bool SaveScreenshot(MainWindow& host, const std::wstring& path) {
    PumpPendingMessages();
    UniqueBitmap picture = CaptureWindow(host.window());
    if (picture) {
        // Popups over the window are drawn from their own rendering: a screen read may miss them.
        RECT bounds{};
        GetWindowRect(host.window(), &bounds);
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        SelectedObject selected(dc.get(), picture.get());
        DrawVisibleTooltips(dc.get(), POINT{bounds.left, bounds.top});
    }
    std::string error = "the window could not be read";
    if (!picture || !WritePng(picture.get(), path, error)) {
        HostLog("screenshot failed: %s", error.c_str());
        return false;
    }
    HostLog("screenshot saved to %s", NarrowFrom(path, CP_UTF8).c_str());
    return true;
}

bool RunStep(MainWindow& host, const ScriptStep& step) {
    using Kind = ScriptStep::Kind;
    switch (step.kind) {
    case Kind::Type:
        HostLog("typing \"%s\"", NarrowFrom(step.text, CP_UTF8).c_str());
        TypeText(host, step.text);
        ReportNotices();
        return true;
    case Kind::Clear:
        HostLog("clearing the callsign box");
        SetWindowTextW(host.callsignEdit().window(), L"");
        PumpPendingMessages();
        ReportNotices();
        return true;
    case Kind::Notify:
        return host.plugin().Notify(step.first, step.second);
    case Kind::Select:
        if (static_cast<size_t>(step.first) >= host.mainGrid().table().rows.size()) {
            HostLog("no row %d in the main grid", static_cast<int>(step.first));
            return false;
        }
        HostLog("selecting row %d of the main grid", static_cast<int>(step.first));
        SetFocus(host.mainGrid().window());
        host.mainGrid().SelectCell(static_cast<size_t>(step.first), 0);
        return true;
    case Kind::FocusGrid:
        HostLog("focusing the main grid");
        SetFocus(host.mainGrid().window());
        return true;
    case Kind::Options: {
        g_dialogOwner = host.window();
        UINT_PTR timer = SetTimer(nullptr, 0, 100, &CancelDialogTimer);
        host.ShowOptionsDialog();
        KillTimer(nullptr, timer);
        return true;
    }
    case Kind::OptionsScreenshot:
    case Kind::PaletteScreenshot:
        return CaptureOptionsDialog(host, step.text, step.kind == Kind::PaletteScreenshot);
    case Kind::Release:
        host.plugin().Release();
        return true;
    case Kind::Run:
        host.plugin().Run();
        return true;
    case Kind::Screenshot:
        return SaveScreenshot(host, step.text);
    case Kind::Exit:
        return true;
    }
    return false;
}

} // namespace

ScriptResult RunScript(MainWindow& host, const std::vector<ScriptStep>& steps) {
    ScriptResult result;
    for (const ScriptStep& step : steps) {
        if (step.kind == ScriptStep::Kind::Exit) {
            result.exitRequested = true;
            break;
        }
        if (!RunStep(host, step))
            ++result.failedSteps;
        if (!PumpPendingMessages()) {
            result.exitRequested = true;
            break;
        }
    }
    return result;
}

} // namespace brevlog
