// The plug-in's life in the host: load the library, ask version and info, run, notify, open the options,
// release, run again, and at the end release and free the library. Each call is logged.
#pragma once
#include "host/plugin_module.h"

#include <memory>
#include <string>

namespace brevlog {

class PluginSession {
  public:
    PluginSession(std::wstring path, TPluginContext* context) : path_(std::move(path)), context_(context) {}
    PluginSession(const PluginSession&) = delete;
    PluginSession& operator=(const PluginSession&) = delete;
    ~PluginSession() { Unload(); }

    // Loads the library and asks its version and info; false with the reason (UTF-8) in error.
    bool Load(std::string& error);
    bool loaded() const { return module_ != nullptr; }
    bool running() const { return running_; }
    const PluginDescription& description() const { return description_; }

    HWND Run();
    void Release();
    // Sent only while the plug-in runs, as the logbook does.
    bool Notify(int32_t type, int32_t code);
    void ShowOptions(HWND parent);
    void Unload();

  private:
    std::wstring path_;
    TPluginContext* context_;
    std::unique_ptr<PluginModule> module_;
    PluginDescription description_;
    bool running_ = false;
};

} // namespace brevlog
