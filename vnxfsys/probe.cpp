// A vnxfsys.dll for the plug-in's tests: it tells through the process environment how it was used, and
// answers what the test put there.
//   VNXFSYS_PROBE_LOADS   counts the times the library was loaded
//   VNXFSYS_PROBE_OWNER   the window handle of the last call, in hexadecimal
//   VNXFSYS_PROBE_FOLDER  the folder to answer
//   VNXFSYS_PROBE_FILL    when set, all 261 bytes of the buffer are filled with its first character, no NUL
//   VNXFSYS_PROBE_RESULT  the result to return, in hexadecimal; 1 when unset
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define VNXFSYS_EXPORTS
#include "sdk/vnxfsys.h"

namespace {

constexpr int BufferSize = 261;

unsigned long readHex(const char* name, unsigned long fallback) {
    char text[32] = {};
    if (!GetEnvironmentVariableA(name, text, sizeof text))
        return fallback;
    return strtoul(text, nullptr, 16);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        char text[32] = {};
        unsigned long loads = GetEnvironmentVariableA("VNXFSYS_PROBE_LOADS", text, sizeof text)
                                  ? strtoul(text, nullptr, 10)
                                  : 0;
        snprintf(text, sizeof text, "%lu", loads + 1);
        SetEnvironmentVariableA("VNXFSYS_PROBE_LOADS", text);
    }
    return TRUE;
}

extern "C" BOOL __stdcall fsGetAppDataPath(HWND owner, char* buffer) {
    char text[32];
    snprintf(text, sizeof text, "%lx", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(owner)));
    SetEnvironmentVariableA("VNXFSYS_PROBE_OWNER", text);
    char fill[2] = {};
    if (GetEnvironmentVariableA("VNXFSYS_PROBE_FILL", fill, sizeof fill)) {
        memset(buffer, fill[0], BufferSize);
    } else if (!GetEnvironmentVariableA("VNXFSYS_PROBE_FOLDER", buffer, BufferSize)) {
        buffer[0] = '\0';
    }
    return static_cast<BOOL>(readHex("VNXFSYS_PROBE_RESULT", 1));
}
