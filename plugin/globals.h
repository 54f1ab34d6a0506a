// The plug-in's global state: one instance per loaded module.
#pragma once
#include <windows.h>
#include <memory>

#include "sdk/brevlog_plugin.h"

namespace zvk {

class TMainForm;
class TDataModule1;
class TNotifycator;
class ThreadSession;

extern TPluginContext* HostContext;         // set by the first run; kept after release
extern std::unique_ptr<TMainForm> MainForm; // hidden window whose handle the host gets
extern std::unique_ptr<TDataModule1> DataModule1;
extern std::unique_ptr<TNotifycator> Notifier; // created last, freed first
extern bool FirstRunDone;
extern HWND SavedAppHandle;
extern std::unique_ptr<ThreadSession> RunSession; // COM on the host's thread from the first run to release

} // namespace zvk
