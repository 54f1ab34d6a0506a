// Windows-1251 <-> UTF-16, independent of the ANSI code page the process runs with.
#pragma once
#include <string>

namespace zvk {

std::wstring WideFromCp1251(const std::string& text);
// Characters that Windows-1251 lacks become '?', never a best-fit look-alike (a fullwidth digit stays '?').
std::string Cp1251FromWide(const std::wstring& text);

} // namespace zvk
