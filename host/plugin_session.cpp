#include "host/plugin_session.h"

#include "host/host_log.h"
#include "host/text_codec.h"

namespace brevlog {

bool PluginSession::Load(std::string& error) {
    if (module_)
        return true;
    module_ = PluginModule::Load(path_, error);
    if (!module_)
        return false;
    HostLog("loaded %s", NarrowFrom(path_, CP_UTF8).c_str());
    HostLog("OmbexGetVersion -> %d", static_cast<int>(module_->GetVersion()));
    description_ = module_->GetInfo();
    HostLog("OmbexGetInfo -> name \"%s\", description \"%s\", copyright \"%s\", flag %u",
            Utf8FromCp1251(description_.name).c_str(), Utf8FromCp1251(description_.description).c_str(),
            Utf8FromCp1251(description_.copyright).c_str(), description_.flag);
    return true;
}

HWND PluginSession::Run() {
    if (!module_)
        return nullptr;
    HWND window = module_->Run(context_);
    running_ = true;
    HostLog("OmbexRun -> window %p", static_cast<void*>(window));
    return window;
}

void PluginSession::Release() {
    if (!module_)
        return;
    module_->Release();
    running_ = false;
    HostLog("OmbexRelease");
}

bool PluginSession::Notify(int32_t type, int32_t code) {
    if (!module_ || !running_) {
        HostLog("notification %d/%d not sent: the plug-in does not run", static_cast<int>(type),
                static_cast<int>(code));
        return false;
    }
    int32_t result = module_->SendNotify(type, code);
    HostLog("OmbexSendNotify(%d, %d) -> %d", static_cast<int>(type), static_cast<int>(code),
            static_cast<int>(result));
    return true;
}

void PluginSession::ShowOptions(HWND parent) {
    if (!module_)
        return;
    HostLog("OmbexShowOptionsDialog");
    module_->ShowOptionsDialog(parent);
    HostLog("options dialog closed");
}

void PluginSession::Unload() {
    if (!module_)
        return;
    if (running_)
        Release();
    module_.reset();
    HostLog("plug-in library freed");
}

} // namespace brevlog
