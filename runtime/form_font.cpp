#include "runtime/form_font.h"

#include "runtime/device_contexts.h"
#include "runtime/exception.h"

namespace zvk {

namespace {

int CALLBACK faceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

} // namespace

bool FontFaceExists(const char* face) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    const WindowDc screen(nullptr);
    EnumFontFamiliesExA(screen.get(), &wanted, &faceFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

UniqueFont CreateFormFont(const char* face, int pixelHeight, const char* substitute) {
    LOGFONTA font{};
    font.lfHeight = -pixelHeight;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    lstrcpynA(font.lfFaceName, FontFaceExists(face) ? face : substitute, LF_FACESIZE);
    UniqueFont result(CreateFontIndirectA(&font));
    if (!result) {
        throw Exception("Cannot create the form's font");
    }
    return result;
}

int CharacterHeight(HFONT font) {
    if (!font) {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    LOGFONTA logical{};
    if (GetObjectA(font, sizeof logical, &logical) && logical.lfHeight < 0) {
        return -logical.lfHeight;
    }
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

} // namespace zvk
