#include "plugin/globals.h"

#include "marking/notifycator.h"
#include "plugin/data_module.h"
#include "plugin/main_form.h"

namespace zvk {

TPluginContext* HostContext = nullptr;
std::unique_ptr<TMainForm> MainForm;
std::unique_ptr<TDataModule1> DataModule1;
std::unique_ptr<TNotifycator> Notifier;
bool FirstRunDone = false;
HWND SavedAppHandle = nullptr;

} // namespace zvk
