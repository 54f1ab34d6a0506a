#include "plugin/lifecycle.h"

#include "marking/notifycator.h"
#include "plugin/data_module.h"
#include "plugin/globals.h"
#include "plugin/main_form.h"
#include "plugin/member_database.h"
#include "plugin/options_dialog.h"
#include "settings/config.h"
#include "runtime/application.h"
#include "runtime/exception.h"
#include "runtime/host_text.h"
#include "runtime/boundary.h"
#include "runtime/session.h"

namespace zvk {

namespace {

constexpr size_t MaxTitle = 255;

TApplication* hostApplication(TPluginContext* context) {
    TApplication* application = context->MainWindow->GetApplication();
    if (!application) {
        throw Exception("The logbook offers no application object");
    }
    return application;
}

void adoptHostApplication(TPluginContext* context) {
    TApplicationState& application = PluginApplication();
    SavedAppHandle = application.Handle;
    application.Handle = hostApplication(context)->Handle();
    HostText title(hostApplication(context)->Title());
    application.Title = title.str().substr(0, MaxTitle);
}

} // namespace

HWND RunPlugin(TPluginContext* context) {
    if (!RunSession) {
        RunSession = std::make_unique<ThreadSession>();
    }
    if (!MainForm) {
        MainForm = std::make_unique<TMainForm>();
    }
    HWND handle = MainForm->Handle();
    if (FirstRunDone) {
        return handle;
    }
    const HWND ownHandle = PluginApplication().Handle;
    try {
        if (!context || !context->Environment || !context->MainWindow) {
            throw Exception("The logbook handed over no plug-in context");
        }
        adoptHostApplication(context);
        HostContext = context;
        DataModule1 = std::make_unique<TDataModule1>();
        HostText folder(context->Environment->GetPluginDataFolder());
        Config.Load(folder.str() + "\\ZVK\\configuration.xml");
        OpenMemberDatabase();
        Notifier = std::make_unique<TNotifycator>();
    } catch (...) {
        // The operator sees the message over the logbook's window (adopted until now), then this run is
        // undone: a later run starts clean, and release hands back the window the plug-in had before.
        // The undo comes first: it cannot fail, while taking the message can.
        const HWND owner = PluginApplication().Handle;
        Notifier.reset();
        DataModule1.reset();
        PluginApplication().Handle = ownHandle;
        RunSession.reset();
        throw EOwnedFailure(CurrentExceptionMessage(), owner);
    }
    FirstRunDone = true;
    return handle;
}

void ReleasePlugin() {
    Notifier.reset();
    if (DataModule1) {
        // The logbook may unload the module as soon as this returns.
        DataModule1->ManualHint1.StopHintSound();
    }
    DataModule1.reset();
    FirstRunDone = false;
    MainForm.reset();
    PluginApplication().Handle = SavedAppHandle;
    RunSession.reset();
}

void ShowOptionsDialog(HWND parent) {
    // May come before any run call: the dialog's controls and the settings store need their own session.
    const ThreadSession session;
    RunOptionsDialog(parent);
}

void SendNotify(int32_t msgType, int32_t code) {
    const int type = msgType & 0xFFFF;
    const int what = code & 0xFFFF;
    // Notifications only mean something while the plug-in runs.
    if (!Notifier) {
        return;
    }
    if (type == ntAttachCallsignEdit && what == 1) {
        Notifier->AttachCallsignEdit();
    } else if (type == ntDetachCallsignEdit && what == 1) {
        Notifier->DetachCallsignEdit();
    } else if (type == ntCheckCallsign && what == 23) {
        if (!HostContext->EntryPanel) {
            return;
        }
        TCustomEdit* edit = HostContext->EntryPanel->GetCallsignEdit();
        if (edit && edit->Focused()) {
            Notifier->CheckCallsign();
        }
    }
}

} // namespace zvk
