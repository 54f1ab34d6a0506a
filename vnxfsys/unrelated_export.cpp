// A library of another version: it carries an export, but not the folder lookup.
#include <windows.h>

extern "C" BOOL __stdcall fsGetTempPath(HWND owner, char* buffer);

extern "C" BOOL __stdcall fsGetTempPath(HWND owner, char* buffer) {
    (void)owner;
    return GetTempPathA(MAX_PATH, buffer) != 0;
}
