// brevlog.exe: a stand-in for the logbook as far as its plug-ins see it.
#include "host/command_line.h"
#include "host/host_log.h"
#include "host/main_window.h"
#include "host/message_pump.h"
#include "host/script_runner.h"
#include "host/text_codec.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <stdio.h>

using namespace brevlog;

namespace {

class OleSession {
  public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (ok_)
            OleUninitialize();
    }

  private:
    bool ok_;
};

std::vector<std::wstring> Arguments() {
    int count = 0;
    wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; i < count; ++i)
        arguments.emplace_back(list[i]);
    LocalFree(list);
    return arguments;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : folder.substr(0, slash);
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH] = {};
    DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    std::wstring result = length > 0 && length < MAX_PATH ? std::wstring(full, length) : path;
    while (result.size() > 3 && (result.back() == L'\\' || result.back() == L'/'))
        result.pop_back();
    return result;
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunHost(const HostOptions& options) {
    OleSession ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    bool scripted = !options.steps.empty();
    std::wstring programFolder = ProgramFolder();
    MainWindowSettings settings;
    std::wstring dataFolder =
        FullPath(options.dataFolder.empty() ? programFolder + L"\\PluginsData" : options.dataFolder);
    settings.dataFolder = NarrowFrom(dataFolder, CP_ACP);
    settings.pluginPath =
        options.pluginPath.empty() ? programFolder + L"\\Plugins\\zvk.dll" : options.pluginPath;
    settings.offerEntryPanel = !options.noEntryPanel;
    settings.offerSecondLog = !options.noSecondLog;
    settings.showFailures = !scripted;

    MainWindow host(settings);
    if (!host.Create()) {
        fprintf(stderr, "brevlog: cannot create the main window\n");
        return 2;
    }
    ShowWindow(host.window(), SW_SHOWNORMAL);
    UpdateWindow(host.window());
    HostLog("plug-in data folder %s", NarrowFrom(dataFolder, CP_UTF8).c_str());

    std::string error;
    if (!host.StartPlugin(error)) {
        fprintf(stderr, "brevlog: %s\n", error.c_str());
        if (scripted)
            return 3;
        std::wstring text = WideFrom(error, CP_UTF8);
        MessageBoxW(host.window(), text.c_str(), L"Brevlog", MB_OK | MB_ICONWARNING);
    }
    PumpPendingMessages();

    ScriptResult script = RunScript(host, options.steps);
    int exitCode = 0;
    if (script.exitRequested) {
        host.Close();
        PumpPendingMessages();
    } else {
        exitCode = RunMessageLoop();
    }
    size_t failures = host.failures().count();
    HostLog("done: %d failed step(s), %u failed handler call(s)", script.failedSteps,
            static_cast<unsigned>(failures));
    if (script.failedSteps > 0 || failures > 0)
        return 1;
    return exitCode;
}

} // namespace

int main() {
    HostOptions options;
    std::string error;
    if (!ParseCommandLine(Arguments(), options, error)) {
        fprintf(stderr, "brevlog: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    try {
        return RunHost(options);
    } catch (const std::exception& failure) {
        fprintf(stderr, "brevlog: %s\n", failure.what());
        return 4;
    }
}
