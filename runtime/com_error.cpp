#include "runtime/com_error.h"

#include <cstdio>

#include "runtime/exception.h"

namespace zvk {

std::string OleErrorMessage(HRESULT status) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(status), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer != nullptr ? buffer : "", length);
    LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    if (text.empty()) {
        char fallback[32];
        std::snprintf(fallback, sizeof fallback, "OLE error 0x%08lX", static_cast<unsigned long>(status));
        text = fallback;
    }
    return text;
}

void ThrowOleError(HRESULT status) {
    throw EOleError(OleErrorMessage(status), status);
}

} // namespace zvk
