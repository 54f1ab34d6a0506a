// The module the plug-in's code runs in, and its resources.
#pragma once
#include <windows.h>
#include <string>

namespace zvk {

// The module that holds this code (zvk.dll, or a test program that links the plug-in's libraries).
HINSTANCE thisModule();

// A string-table entry as Windows-1251 text, independent of the process's ANSI code page.
std::string loadResourceString(UINT id);

} // namespace zvk
