#include "plugin/vnx_api.h"

#include <windows.h>
#include <cstring>

#include "plugin/resource_ids.h"
#include "runtime/application.h"
#include "runtime/library.h"
#include "runtime/module.h"
#include "runtime/text_format.h"
#include "sdk/vnxfsys.h"

namespace zvk {

const char* const VnxfsysLibrary = "vnxfsys.dll";

namespace {

constexpr size_t PathBufferSize = 261;

[[noreturn]] void fail(UINT message) {
    throw EvnxAPI(FormatText(loadResourceString(message), {VnxfsysLibrary}));
}

} // namespace

std::string AppDataPath() {
    const UniqueLibrary library(LoadLibraryA(VnxfsysLibrary));
    if (!library) {
        fail(IDS_VNXFSYS_NOT_LOADED);
    }
    const auto lookup = reinterpret_cast<fsGetAppDataPathProc>(
        reinterpret_cast<void*>(GetProcAddress(library.get(), "fsGetAppDataPath")));
    if (!lookup) {
        fail(IDS_VNXFSYS_OUTDATED);
    }
    char buffer[PathBufferSize] = {};
    // Only the low word tells: the library answers a 16-bit truth value in a 32-bit slot.
    if (LOWORD(lookup(PluginApplication().Handle, buffer)) == 0) {
        return {};
    }
    // A buffer filled to its end without a terminator is taken whole.
    const void* end = std::memchr(buffer, '\0', sizeof buffer);
    return std::string(buffer, end ? static_cast<const char*>(end) - buffer : sizeof buffer);
}

} // namespace zvk
