// A library loaded for one scope: freed on every path once loaded.
#pragma once
#include <windows.h>

#include "runtime/unique_handles.h"

namespace zvk {

struct LibraryTraits {
    static void Close(HMODULE module) { FreeLibrary(module); }
};
using UniqueLibrary = UniqueWinHandle<HMODULE, LibraryTraits>;

} // namespace zvk
