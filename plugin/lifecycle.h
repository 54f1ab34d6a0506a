// What the entry points do; the exports wrap these in the error boundary.
#pragma once
#include <windows.h>

#include "sdk/brevlog_plugin.h"

namespace zvk {

HWND RunPlugin(TPluginContext* context);
void ReleasePlugin();
void SendNotify(int32_t msgType, int32_t code);
void FillPluginInfo(TPluginInfo* info);
void ShowOptionsDialog(HWND parent);

constexpr int32_t PluginVersion = 52;

} // namespace zvk
