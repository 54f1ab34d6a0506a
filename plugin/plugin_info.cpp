#include "plugin/lifecycle.h"

namespace zvk {

namespace {

// Windows-1251 constants, valid while the module is loaded.
const char Name[] = "\xD7\xEB\xE5\xED\xFB ZVK";             // Члены ZVK
const char Copyright[] = "Copyright \xA9 2004-2026 Vantor"; // ©
const char Description[] =
    "\xD7\xEB\xE5\xED\xFB ZVK. \xC2\xE5\xF0\xF1\xE8\xFF 2.2.0"; // Члены ZVK. Версия 2.2.0

} // namespace

void FillPluginInfo(TPluginInfo* info) {
    // Field by field: the bytes after the flag belong to the host.
    info->Name = Name;
    info->Copyright = Copyright;
    info->Description = Description;
    info->Flag = 0;
}

} // namespace zvk
