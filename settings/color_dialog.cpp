#include "settings/color_dialog.h"

#include <commdlg.h>

namespace zvk {

bool ExecuteColorDialog(HWND owner, DWORD options, uint32_t& color, std::array<uint32_t, 16>& customColors) {
    COLORREF custom[16];
    for (size_t i = 0; i < customColors.size(); ++i) {
        custom[i] = customColors[i];
    }
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = color;
    dialog.lpCustColors = custom;
    dialog.Flags = options | CC_RGBINIT;
    if (!ChooseColorA(&dialog)) {
        return false;
    }
    color = dialog.rgbResult;
    for (size_t i = 0; i < customColors.size(); ++i) {
        customColors[i] = custom[i];
    }
    return true;
}

} // namespace zvk
