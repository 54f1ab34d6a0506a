#include "host/plugin_module.h"

#include "host/text_codec.h"

#include <string.h>

namespace brevlog {

namespace {

template <typename Proc> bool Bind(HMODULE module, const char* name, Proc& proc, std::string& error) {
    proc = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!proc)
        error = std::string("entry point ") + name + " missing";
    return proc != nullptr;
}

std::string TextAt(const char* text) {
    return text ? std::string(text) : std::string();
}

} // namespace

std::unique_ptr<PluginModule> PluginModule::Load(const std::wstring& path, std::string& error) {
    std::unique_ptr<PluginModule> plugin(new PluginModule());
    plugin->module_.reset(LoadLibraryW(path.c_str()));
    if (!plugin->module_) {
        error =
            "cannot load " + NarrowFrom(path, CP_UTF8) + " (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    HMODULE module = plugin->module_.get();
    if (!Bind(module, "OmbexShowOptionsDialog", plugin->showOptionsDialog_, error) ||
        !Bind(module, "OmbexSendNotify", plugin->sendNotify_, error) ||
        !Bind(module, "OmbexRelease", plugin->release_, error) ||
        !Bind(module, "OmbexRun", plugin->run_, error) ||
        !Bind(module, "OmbexGetInfo", plugin->getInfo_, error) ||
        !Bind(module, "OmbexGetVersion", plugin->getVersion_, error))
        return nullptr;
    return plugin;
}

PluginDescription PluginModule::GetInfo() const {
    // Room beyond the record: the plug-in must leave it alone.
    unsigned char buffer[64];
    memset(buffer, 0, sizeof buffer);
    getInfo_(reinterpret_cast<TPluginInfo*>(buffer));
    TPluginInfo info;
    memcpy(&info, buffer, sizeof info);
    return PluginDescription{TextAt(info.Name), TextAt(info.Copyright), TextAt(info.Description), info.Flag};
}

} // namespace brevlog
