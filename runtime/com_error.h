// Turns a failed COM status into zvk::EOleError with the system's message for it.
#pragma once
#include <windows.h>
#include <string>

namespace zvk {

// The system's text for a status, in the ANSI code page; "OLE error 0x...." when it has none.
std::string OleErrorMessage(HRESULT status);

[[noreturn]] void ThrowOleError(HRESULT status);

// Throws for a failure status; success statuses (S_FALSE included) pass.
inline void OleCheck(HRESULT status) {
    if (FAILED(status))
        ThrowOleError(status);
}

} // namespace zvk
