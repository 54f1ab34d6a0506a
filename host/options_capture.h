// Pictures of the plug-in's options dialog for the operators' guide: the scripted mode opens the dialog,
// optionally drops down its colour palette, saves a PNG, and closes everything again.
#pragma once
#include <windows.h>
#include <string>

namespace brevlog {

class MainWindow;

// False when the dialog or the palette did not appear, or the picture could not be saved.
bool CaptureOptionsDialog(MainWindow& host, const std::wstring& path, bool openPalette);

} // namespace brevlog
