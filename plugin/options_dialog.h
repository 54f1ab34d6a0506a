// The options dialog as the logbook opens it, at any time, also before the first run: the settings file is
// found through vnxfsys.dll, loaded into Config, shown, and on OK saved and shown on the main grid.
#pragma once
#include <windows.h>
#include <string>

namespace zvk {

// The settings file under the application-data folder that vnxfsys.dll reports.
std::string OptionsSettingsPath();

void RunOptionsDialog(HWND parent);

} // namespace zvk
