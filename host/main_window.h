// The logbook's main window: callsign box, main and second log grids, a status bar and the plug-in menu.
// It owns the host side of the plug-in context and the plug-in session.
#pragma once
#include "host/callsign_edit.h"
#include "host/command_line.h"
#include "host/handler_failures.h"
#include "host/host_context.h"
#include "host/host_handlers.h"
#include "host/log_grid.h"
#include "host/plugin_session.h"
#include "host/win_handles.h"

#include <memory>

namespace brevlog {

struct MainWindowSettings {
    std::string dataFolder; // ANSI code page, as the plug-in gets it
    std::wstring pluginPath;
    bool offerEntryPanel = true;
    bool offerSecondLog = true;
    bool showFailures = true; // a message box for the first failing handler; off in scripted runs
};

class MainWindow final : public EntryStatusSink {
  public:
    explicit MainWindow(MainWindowSettings settings);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    bool Create();
    HWND window() const { return window_.get(); }
    LogGrid& mainGrid() { return mainGrid_; }
    LogGrid& secondGrid() { return secondGrid_; }
    CallsignEdit& callsignEdit() { return callsignEdit_; }
    PluginSession& plugin() { return *plugin_; }
    HandlerFailures& failures() { return failures_; }
    TPluginContext* pluginContext() { return context_ ? context_->record() : nullptr; }

    // Loads and runs the plug-in; false with the reason (UTF-8) when it cannot be loaded.
    bool StartPlugin(std::string& error);
    void ShowOptionsDialog();
    // Releases and frees the plug-in, then destroys the window.
    void Close();

    void ShowEntryStatus(const std::wstring& text) override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CreateChildren();
    void Layout();
    void OnCommand(WORD id, WORD code, HWND control);
    HMENU BuildMenu();

    MainWindowSettings settings_;
    HandlerFailures failures_;
    LogGrid mainGrid_;
    LogGrid secondGrid_;
    CallsignEdit callsignEdit_;
    UniqueWindow window_;
    HWND callsignLabel_ = nullptr;
    HWND secondLogLabel_ = nullptr;
    HWND statusBar_ = nullptr;
    UniqueFont uiFont_;
    std::unique_ptr<HostContext> context_;
    // Last, so that it goes first: the plug-in is released while the controls it hooked still exist.
    std::unique_ptr<PluginSession> plugin_;
};

} // namespace brevlog
