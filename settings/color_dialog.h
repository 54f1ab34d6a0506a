// The system's colour dialog (ChooseColor), started at a colour with sixteen custom colours.
#pragma once
#include <windows.h>
#include <array>
#include <cstdint>

namespace zvk {

// True when the user confirmed: `color` and `customColors` then hold the dialog's choice. Unchanged on
// cancel.
bool ExecuteColorDialog(HWND owner, DWORD options, uint32_t& color, std::array<uint32_t, 16>& customColors);

} // namespace zvk
