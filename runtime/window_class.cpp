#include "runtime/window_class.h"

#include "runtime/exception.h"
#include "runtime/module.h"

namespace zvk {

WindowClass::WindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background) : name_(name) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = thisModule();
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    // Already there while another window of the class lives (a nested form, say); that one unregisters.
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw Exception(std::string("Cannot register the window class ") + name);
    }
}

WindowClass::~WindowClass() {
    // Fails harmlessly while a window of the class still exists.
    UnregisterClassA(name_, thisModule());
}

} // namespace zvk
