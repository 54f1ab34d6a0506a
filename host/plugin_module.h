// A loaded plug-in library and its six entry points. The library is freed with this object.
#pragma once
#include "sdk/brevlog_plugin.h"

#include "host/win_handles.h"

#include <memory>
#include <string>

namespace brevlog {

struct PluginDescription {
    std::string name, copyright, description; // Windows-1251
    uint8_t flag = 0;
};

class PluginModule {
  public:
    // Null, with the reason in error (UTF-8), when the library or one of its entry points is missing.
    static std::unique_ptr<PluginModule> Load(const std::wstring& path, std::string& error);

    int32_t GetVersion() const { return getVersion_(); }
    PluginDescription GetInfo() const;
    HWND Run(TPluginContext* context) const { return run_(context, 0); }
    int32_t SendNotify(int32_t type, int32_t code) const { return sendNotify_(type, code); }
    void Release() const { release_(); }
    void ShowOptionsDialog(HWND parent) const { showOptionsDialog_(parent); }

  private:
    PluginModule() = default;

    UniqueModule module_;
    OmbexShowOptionsDialogProc showOptionsDialog_ = nullptr;
    OmbexSendNotifyProc sendNotify_ = nullptr;
    OmbexReleaseProc release_ = nullptr;
    OmbexRunProc run_ = nullptr;
    OmbexGetInfoProc getInfo_ = nullptr;
    OmbexGetVersionProc getVersion_ = nullptr;
};

} // namespace brevlog
