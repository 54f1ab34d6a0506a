#include "host/host_context.h"

#include "host/text_codec.h"

namespace brevlog {

char* __stdcall HostApplication::Title() {
    return CoTaskMemCopy(window_ ? WindowText1251(window_) : std::string());
}

char* __stdcall HostEnvironment::GetPluginDataFolder() {
    return CoTaskMemCopy(dataFolder_);
}

HostContext::HostContext(const HostContextParts& parts)
    : environment_(parts.dataFolder), mainWindow_(application_, parts.mainGrid),
      entryPanel_(parts.callsignEdit), secondLog_(parts.secondGrid) {
    application_.SetWindow(parts.applicationWindow);
    record_.Environment = &environment_;
    record_.MainWindow = &mainWindow_;
    record_.EntryPanel = parts.callsignEdit ? &entryPanel_ : nullptr;
    record_.SecondLog = parts.secondGrid ? &secondLog_ : nullptr;
}

} // namespace brevlog
