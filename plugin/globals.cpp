#include "plugin/globals.h"

#include "marking/notifycator.h"
#include "plugin/data_module.h"
#include "plugin/main_form.h"
#include "runtime/session.h"

namespace zvk {

TPluginContext* HostContext = nullptr;
std::unique_ptr<TMainForm> MainForm;
std::unique_ptr<TDataModule1> DataModule1;
std::unique_ptr<TNotifycator> Notifier;
bool FirstRunDone = false;
HWND SavedAppHandle = nullptr;
std::unique_ptr<ThreadSession> RunSession;

namespace {

// Destroyed first at unload, being defined last. A host may unload the module without releasing it; then
// nothing may call the host (its objects may be gone, and the loader lock is held) nor COM. The notifier,
// whose destruction puts the host's handlers back, is left as it is, and so is the run's COM reference;
// the plug-in's own data and windows go with the globals after this.
struct UnloadWithoutRelease {
    ~UnloadWithoutRelease() {
        (void)Notifier.release();
        if (RunSession) {
            RunSession->Abandon();
        }
    }
} unloadWithoutRelease;

} // namespace

} // namespace zvk
