// PNG files through GDI+.
#pragma once
#include <windows.h>
#include <string>

namespace brevlog {

// False with a reason (UTF-8) when the file could not be written.
bool WritePng(HBITMAP bitmap, const std::wstring& path, std::string& error);

} // namespace brevlog
