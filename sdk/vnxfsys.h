// The maker's file-system library vnxfsys.dll, as far as plug-ins use it. Shared by the stand-in library
// and its callers, so that both sides agree on the calling convention.
#ifndef VNXFSYS_H
#define VNXFSYS_H

#include <windows.h>

// Fills Buffer (261 bytes) with the user's application-data folder, NUL-terminated, without trailing
// backslash; a non-zero low word of the result means success.
typedef BOOL(__stdcall* fsGetAppDataPathProc)(HWND Owner, char* Buffer);

#ifdef VNXFSYS_EXPORTS
extern "C" BOOL __stdcall fsGetAppDataPath(HWND Owner, char* Buffer);
#endif

#endif
