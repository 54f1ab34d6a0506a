// Conversions between the host's UTF-16 window texts, UTF-8 sources and logs, and the Windows-1251 texts
// of the plug-in interface.
#pragma once
#include <windows.h>
#include <string>

namespace brevlog {

constexpr UINT kCyrillicCodePage = 1251;

std::wstring WideFrom(const std::string& text, UINT codePage);
std::string NarrowFrom(const std::wstring& text, UINT codePage);

inline std::string Cp1251FromUtf8(const std::string& utf8) {
    return NarrowFrom(WideFrom(utf8, CP_UTF8), kCyrillicCodePage);
}
inline std::string Utf8FromCp1251(const std::string& text) {
    return NarrowFrom(WideFrom(text, kCyrillicCodePage), CP_UTF8);
}

// A copy the interface's caller frees with CoTaskMemFree; null only when memory is exhausted.
char* CoTaskMemCopy(const std::string& text);

// The window's text in Windows-1251, whatever the ANSI code page.
std::string WindowText1251(HWND window);

} // namespace brevlog
