// An in-process logbook for tests: host objects that record what the plug-in asks of them, host
// handlers that record when they run, and zvk.dll loaded through its exports.
#pragma once
#include <windows.h>
#include <objbase.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "sdk/brevlog_plugin.h"

namespace fake {

inline char* hostText(const std::string& text) {
    char* copy = static_cast<char*>(CoTaskMemAlloc(text.size() + 1));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

using Log = std::vector<std::string>;

// Every call the plug-in makes into a host object, counted.
inline int& hostCalls() {
    static int calls = 0;
    return calls;
}

// A host handler: its data half is the entry it logs under.
struct HostHandler {
    HostHandler(Log* log, std::string name) : log(log), name(std::move(name)) {}
    Log* log;
    std::string name;
    HRESULT result = S_OK;
    std::wstring failure;       // message left in the COM error object when result fails
    std::function<void()> also; // what else the handler does, such as releasing the plug-in

    HRESULT run() {
        log->push_back(name);
        if (also) {
            also();
        }
        if (FAILED(result)) {
            ICreateErrorInfo* create = nullptr;
            CreateErrorInfo(&create);
            create->SetDescription(const_cast<LPOLESTR>(failure.c_str()));
            IErrorInfo* info = nullptr;
            create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
            SetErrorInfo(0, info);
            info->Release();
            create->Release();
        }
        return result;
    }
    static HRESULT __stdcall Notify(void* self, TObject*) { return static_cast<HostHandler*>(self)->run(); }
    static HRESULT __stdcall Draw(void* self, TObject* sender, const TRect* rect, TField* field,
                                  TGridDrawState state) {
        auto handler = static_cast<HostHandler*>(self);
        handler->cell = {sender, rect, field, state};
        return handler->run();
    }
    struct Cell {
        TObject* sender;
        const TRect* rect;
        TField* field;
        TGridDrawState state;
    } cell{};
    TNotifyEvent notifyPair() { return TNotifyEvent{&Notify, this}; }
    TwwDrawDataCellEvent drawPair() { return TwwDrawDataCellEvent{&Draw, this}; }
};

struct Application : TApplication {
    HWND handle = nullptr;
    std::string title = "Brevlog";
    HWND __stdcall Handle() override {
        ++hostCalls();
        return handle;
    }
    char* __stdcall Title() override {
        ++hostCalls();
        return hostText(title);
    }
};

struct Field : TField {
    std::string name, value;
    const char* __stdcall FieldName() override {
        ++hostCalls();
        return name.c_str();
    }
    char* __stdcall AsString() override {
        ++hostCalls();
        return hostText(value);
    }
};

struct Grid : TwwDBGrid {
    TwwDrawDataCellEvent slot{nullptr, nullptr};
    int repaints = 0;
    TwwDrawDataCellEvent* __stdcall OnDrawDataCell() override {
        ++hostCalls();
        return &slot;
    }
    void __stdcall Repaint() override {
        ++hostCalls();
        ++repaints;
    }
    TCanvas* canvas = nullptr; // the surface cells are drawn on, if the test paints
    TCanvas* __stdcall Canvas() override {
        ++hostCalls();
        return canvas;
    }

    HRESULT draw(const TRect& rect, TField* field, TGridDrawState state = 0) {
        if (!slot.Code) {
            return S_OK;
        }
        return slot.Code(slot.Data, reinterpret_cast<TObject*>(this), &rect, field, state);
    }
};

struct Edit : TCustomEdit {
    TNotifyEvent change{nullptr, nullptr}, enter{nullptr, nullptr}, exit{nullptr, nullptr};
    std::string text;
    bool focused = false;
    HWND handle = nullptr;
    Log* log = nullptr;
    TNotifyEvent* __stdcall OnChange() override {
        ++hostCalls();
        return &change;
    }
    TNotifyEvent* __stdcall OnEnter() override {
        ++hostCalls();
        return &enter;
    }
    TNotifyEvent* __stdcall OnExit() override {
        ++hostCalls();
        return &exit;
    }
    char* __stdcall Text() override {
        ++hostCalls();
        if (log) {
            log->push_back("Text");
        }
        return hostText(text);
    }
    BOOL __stdcall Focused() override {
        ++hostCalls();
        return focused;
    }
    HWND __stdcall Handle() override {
        ++hostCalls();
        return handle;
    }

    static HRESULT fire(const TNotifyEvent& event, Edit* sender) {
        if (!event.Code) {
            return S_OK;
        }
        return event.Code(event.Data, reinterpret_cast<TObject*>(sender));
    }
};

struct Environment : THostEnvironment {
    std::string folder = "C:\\nonexistent-plugin-data";
    int calls = 0;
    char* __stdcall GetPluginDataFolder() override {
        ++hostCalls();
        ++calls;
        return hostText(folder);
    }
};

struct MainWindow : THostMainWindow {
    Application* application = nullptr;
    Grid* grid = nullptr;
    int applicationCalls = 0;
    int applicationOffers = -1; // how many calls get the application object; -1: all
    TApplication* __stdcall GetApplication() override {
        ++hostCalls();
        ++applicationCalls;
        return applicationOffers < 0 || applicationCalls <= applicationOffers ? application : nullptr;
    }
    void* __stdcall GetReserved() override {
        ++hostCalls();
        return nullptr;
    }
    TwwDBGrid* __stdcall GetMainGrid() override {
        ++hostCalls();
        return grid;
    }
};

struct EntryPanel : THostEntryPanel {
    Edit* edit = nullptr;
    TCustomEdit* __stdcall GetCallsignEdit() override {
        ++hostCalls();
        return edit;
    }
};

struct SecondLog : THostSecondLog {
    Grid* grid = nullptr;
    TwwDBGrid* __stdcall GetSecondGrid() override {
        ++hostCalls();
        return grid;
    }
};

// The whole logbook: every control carries the host's own handlers.
struct Host {
    Log log;
    Environment environment;
    Application application;
    Grid mainGrid, secondGrid;
    Edit edit;
    MainWindow mainWindow;
    EntryPanel entryPanel;
    SecondLog secondLog;
    HostHandler mainDraw{&log, "host-main-draw"}, secondDraw{&log, "host-second-draw"};
    HostHandler change{&log, "host-change"}, enter{&log, "host-enter"}, exit{&log, "host-exit"};
    TPluginContext context{};

    Host() {
        mainWindow.application = &application;
        mainWindow.grid = &mainGrid;
        entryPanel.edit = &edit;
        secondLog.grid = &secondGrid;
        edit.log = &log;
        mainGrid.slot = mainDraw.drawPair();
        secondGrid.slot = secondDraw.drawPair();
        edit.change = change.notifyPair();
        edit.enter = enter.notifyPair();
        edit.exit = exit.notifyPair();
        context.Environment = &environment;
        context.MainWindow = &mainWindow;
        context.EntryPanel = &entryPanel;
        context.SecondLog = &secondLog;
    }
    Host(const Host&) = delete;
};

template <class CodeHalf> bool same(const TEventSlot<CodeHalf>& a, const TEventSlot<CodeHalf>& b) {
    return a.Code == b.Code && a.Data == b.Data;
}

#ifdef ZVK_DLL_PATH
// zvk.dll, loaded for one test and freed after it.
class Plugin {
  public:
    Plugin() : module_(LoadLibraryA(ZVK_DLL_PATH)) {}
    ~Plugin() { unload(); }
    Plugin(const Plugin&) = delete;

    void unload() {
        if (module_) {
            FreeLibrary(module_);
            module_ = nullptr;
        }
    }
    HMODULE module() const { return module_; }
    template <class T> T proc(const char* name) const {
        return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

    HWND run(TPluginContext* context) { return proc<OmbexRunProc>("OmbexRun")(context, 0); }
    void release() { proc<OmbexReleaseProc>("OmbexRelease")(); }
    int32_t notify(int32_t type, int32_t code) {
        return proc<OmbexSendNotifyProc>("OmbexSendNotify")(type, code);
    }

  private:
    HMODULE module_;
};
#endif

} // namespace fake
