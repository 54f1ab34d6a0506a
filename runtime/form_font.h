// The font a form and its controls share: a face at a pixel height, or a substitute face where the system
// lacks the one the form asks for.
#pragma once
#include <windows.h>

#include "runtime/unique_handles.h"

namespace zvk {

bool FontFaceExists(const char* face);

// pixelHeight is the character height (without internal leading), as forms store their font's height.
UniqueFont CreateFormFont(const char* face, int pixelHeight, const char* substitute);

// The character height of a font (its height without internal leading); of the GUI font for none.
int CharacterHeight(HFONT font);

} // namespace zvk
