#include "host/main_window.h"

#include "host/host_log.h"
#include "host/sample_log.h"
#include "host/text_codec.h"

#include <commctrl.h>

namespace brevlog {

namespace {

constexpr const wchar_t* kWindowClass = L"BrevlogMainWindow";
constexpr const wchar_t* kTitle = L"Brevlog - Аппаратный журнал";
constexpr int kClientWidth = 720;
constexpr int kClientHeight = 520;
constexpr int kMargin = 10;
constexpr int kEditTop = 10;
constexpr int kEditHeight = 24;
constexpr int kMainGridTop = 44;
constexpr int kMainGridHeight = 260;
constexpr int kLabelHeight = 18;
constexpr int kSecondGridHeight = 130;

enum : WORD {
    kIdCallsignEdit = 10,
    kIdMainGrid,
    kIdSecondGrid,
    kIdStatusBar,
    kIdAttachEdit = 100,
    kIdDetachEdit,
    kIdCheckCallsign,
    kIdOptions,
    kIdRelease,
    kIdRun,
    kIdExit,
};

enum StatusPart { kPluginPart = 0, kEntryPart = 1 };

HWND CreateStatic(HWND parent, const wchar_t* text) {
    return CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

MainWindow::MainWindow(MainWindowSettings settings)
    : settings_(std::move(settings)), mainGrid_(SampleMainLog(), failures_),
      secondGrid_(SampleSecondLog(), failures_), callsignEdit_(failures_) {}

MainWindow::~MainWindow() {
    plugin_.reset();
    if (window_)
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

bool MainWindow::Create() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, kWindowClass, &windowClass)) {
        windowClass.lpfnWndProc = &MainWindow::WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kWindowClass;
        if (!RegisterClassExW(&windowClass))
            return false;
    }
    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT bounds{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&bounds, style, TRUE, 0);
    HWND window = CreateWindowExW(0, kWindowClass, kTitle, style, 40, 40, bounds.right - bounds.left,
                                  bounds.bottom - bounds.top, nullptr, BuildMenu(), instance, this);
    if (!window)
        return false;
    window_.reset(window);
    if (settings_.showFailures)
        failures_.SetNotifyWindow(window);
    CreateChildren();
    Layout();

    InstallModeMarker(mainGrid_);
    InstallModeMarker(secondGrid_);
    InstallEntryStatus(callsignEdit_, *this);

    HostContextParts parts;
    parts.dataFolder = settings_.dataFolder;
    parts.applicationWindow = window;
    parts.mainGrid = &mainGrid_;
    parts.callsignEdit = settings_.offerEntryPanel ? &callsignEdit_ : nullptr;
    parts.secondGrid = settings_.offerSecondLog ? &secondGrid_ : nullptr;
    context_ = std::make_unique<HostContext>(parts);
    plugin_ = std::make_unique<PluginSession>(settings_.pluginPath, context_->record());
    return true;
}

HMENU MainWindow::BuildMenu() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kIdExit, L"Выход");
    HMENU plugin = CreatePopupMenu();
    AppendMenuW(plugin, MF_STRING, kIdAttachEdit, L"Подключить поле позывного (2/1)");
    AppendMenuW(plugin, MF_STRING, kIdDetachEdit, L"Отключить поле позывного (3/1)");
    AppendMenuW(plugin, MF_STRING, kIdCheckCallsign, L"Проверить позывной (4/23)");
    AppendMenuW(plugin, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(plugin, MF_STRING, kIdOptions, L"Настройки...");
    AppendMenuW(plugin, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(plugin, MF_STRING, kIdRelease, L"Выгрузить");
    AppendMenuW(plugin, MF_STRING, kIdRun, L"Запустить снова");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"Файл");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plugin), L"Плагин");
    return bar; // owned by the window from here on
}

void MainWindow::CreateChildren() {
    HWND window = window_.get();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        uiFont_.reset(CreateFontIndirectW(&metrics.lfMessageFont));

    callsignLabel_ = CreateStatic(window, L"Позывной:");
    callsignEdit_.Create(window, kIdCallsignEdit, RECT{0, 0, 0, 0});
    mainGrid_.Create(window, kIdMainGrid, RECT{0, 0, 0, 0});
    secondLogLabel_ = CreateStatic(window, L"Второй журнал:");
    secondGrid_.Create(window, kIdSecondGrid, RECT{0, 0, 0, 0});
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                 window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdStatusBar)),
                                 GetModuleHandleW(nullptr), nullptr);
    for (HWND child : {callsignLabel_, callsignEdit_.window(), secondLogLabel_, statusBar_})
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
    SendMessageW(callsignEdit_.window(), EM_LIMITTEXT, 20, 0);
}

void MainWindow::Layout() {
    RECT client{};
    GetClientRect(window_.get(), &client);
    int width = client.right - 2 * kMargin;
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    int parts[] = {client.right / 2, -1};
    SendMessageW(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));

    MoveWindow(callsignLabel_, kMargin, kEditTop + 4, 70, kLabelHeight, TRUE);
    MoveWindow(callsignEdit_.window(), kMargin + 74, kEditTop, 160, kEditHeight, TRUE);
    MoveWindow(mainGrid_.window(), kMargin, kMainGridTop, width, kMainGridHeight, TRUE);
    int labelTop = kMainGridTop + kMainGridHeight + 8;
    MoveWindow(secondLogLabel_, kMargin, labelTop, 200, kLabelHeight, TRUE);
    MoveWindow(secondGrid_.window(), kMargin, labelTop + kLabelHeight + 2, width, kSecondGridHeight, TRUE);
}

bool MainWindow::StartPlugin(std::string& error) {
    if (!plugin_->Load(error)) {
        SendMessageW(statusBar_, SB_SETTEXTW, kPluginPart, reinterpret_cast<LPARAM>(L"Плагин не загружен"));
        return false;
    }
    const PluginDescription& description = plugin_->description();
    std::wstring text = WideFrom(description.name, kCyrillicCodePage) + L" — " +
                        WideFrom(description.description, kCyrillicCodePage);
    SendMessageW(statusBar_, SB_SETTEXTW, kPluginPart, reinterpret_cast<LPARAM>(text.c_str()));
    plugin_->Run();
    return true;
}

void MainWindow::ShowOptionsDialog() {
    plugin_->ShowOptions(window_.get());
}

void MainWindow::Close() {
    if (window_)
        SendMessageW(window_.get(), WM_CLOSE, 0, 0);
}

void MainWindow::ShowEntryStatus(const std::wstring& text) {
    SendMessageW(statusBar_, SB_SETTEXTW, kEntryPart, reinterpret_cast<LPARAM>(text.c_str()));
    HostLog("host handler: %s", NarrowFrom(text, CP_UTF8).c_str());
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SIZE:
        if (window_)
            Layout();
        return 0;
    case HandlerFailures::kFirstFailureMessage: {
        std::wstring text = WideFrom(failures_.messages().front(), CP_UTF8);
        MessageBoxW(window, text.c_str(), kTitle, MB_OK | MB_ICONERROR);
        return 0;
    }
    case WM_CLOSE:
        plugin_->Unload();
        window_.reset();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void MainWindow::OnCommand(WORD id, WORD code, HWND control) {
    if (control && control == callsignEdit_.window()) {
        callsignEdit_.HandleNotification(code);
        return;
    }
    switch (id) {
    case kIdAttachEdit:
        plugin_->Notify(ntAttachCallsignEdit, 1);
        break;
    case kIdDetachEdit:
        plugin_->Notify(ntDetachCallsignEdit, 1);
        break;
    case kIdCheckCallsign:
        // A menu takes no focus, so the box keeps it and the check can run.
        plugin_->Notify(ntCheckCallsign, 23);
        break;
    case kIdOptions:
        ShowOptionsDialog();
        break;
    case kIdRelease:
        plugin_->Release();
        break;
    case kIdRun:
        plugin_->Run();
        break;
    case kIdExit:
        Close();
        break;
    default:
        break;
    }
}

} // namespace brevlog
