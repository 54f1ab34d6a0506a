// Stand-in for the maker's file-system library: answers the user's application-data folder.
#include <windows.h>
#include <shlobj.h>
#include <string.h>
#include <type_traits>

#define VNXFSYS_EXPORTS
#include "sdk/vnxfsys.h"

static_assert(std::is_same_v<decltype(&fsGetAppDataPath), fsGetAppDataPathProc>);

extern "C" BOOL __stdcall fsGetAppDataPath(HWND owner, char* buffer) {
    (void)owner;
#ifdef VNXFSYS_REPORT_FAILURE
    (void)buffer;
    return FALSE;
#else
    if (!buffer)
        return FALSE;
    char path[MAX_PATH + 1] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return FALSE;
    size_t length = strlen(path);
    while (length > 0 && path[length - 1] == '\\')
        path[--length] = '\0';
    memcpy(buffer, path, length + 1);
    return TRUE;
#endif
}
