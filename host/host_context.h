// The host's side of the plug-in context: the application object and the four service objects, and the
// context record that points at them. The record stays at one address for as long as this object lives.
#pragma once
#include "sdk/brevlog_plugin.h"

#include <string>

namespace brevlog {

class HostApplication final : public TApplication {
  public:
    void SetWindow(HWND window) { window_ = window; }
    HWND __stdcall Handle() override { return window_; }
    char* __stdcall Title() override;

  private:
    HWND window_ = nullptr;
};

class HostEnvironment final : public THostEnvironment {
  public:
    explicit HostEnvironment(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}
    char* __stdcall GetPluginDataFolder() override;

  private:
    std::string dataFolder_; // ANSI code page, no trailing backslash
};

class HostMainWindow final : public THostMainWindow {
  public:
    HostMainWindow(TApplication& application, TwwDBGrid* mainGrid)
        : application_(application), mainGrid_(mainGrid) {}
    TApplication* __stdcall GetApplication() override { return &application_; }
    void* __stdcall GetReserved() override { return nullptr; }
    TwwDBGrid* __stdcall GetMainGrid() override { return mainGrid_; }

  private:
    TApplication& application_;
    TwwDBGrid* mainGrid_;
};

class HostEntryPanel final : public THostEntryPanel {
  public:
    explicit HostEntryPanel(TCustomEdit* edit) : edit_(edit) {}
    TCustomEdit* __stdcall GetCallsignEdit() override { return edit_; }

  private:
    TCustomEdit* edit_;
};

class HostSecondLog final : public THostSecondLog {
  public:
    explicit HostSecondLog(TwwDBGrid* grid) : grid_(grid) {}
    TwwDBGrid* __stdcall GetSecondGrid() override { return grid_; }

  private:
    TwwDBGrid* grid_;
};

struct HostContextParts {
    std::string dataFolder;
    HWND applicationWindow = nullptr;
    TwwDBGrid* mainGrid = nullptr;
    TCustomEdit* callsignEdit = nullptr; // null: the context offers no entry panel
    TwwDBGrid* secondGrid = nullptr;     // null: the context offers no second log
};

class HostContext {
  public:
    explicit HostContext(const HostContextParts& parts);
    HostContext(const HostContext&) = delete;
    HostContext& operator=(const HostContext&) = delete;

    TPluginContext* record() { return &record_; }

  private:
    HostApplication application_;
    HostEnvironment environment_;
    HostMainWindow mainWindow_;
    HostEntryPanel entryPanel_;
    HostSecondLog secondLog_;
    TPluginContext record_{};
};

} // namespace brevlog
