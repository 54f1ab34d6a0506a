// The notice's six sounds: WAV images embedded under resource type "SOUND", identifiers 101 to 106.
#pragma once
#include <windows.h>

#include "notice/hint_ex_types.h"

namespace zvk {

constexpr int FirstSoundId = 101;

// 101 + the ordinal; anything outside the six kinds plays the first.
int SoundResourceId(TSoundType type);

// The call that plays a WAV image from memory; tests replace it to observe the sounds.
typedef BOOL(WINAPI* TPlaySound)(LPCSTR sound, HMODULE module, DWORD flags);
extern TPlaySound PlaySoundSeam;

} // namespace zvk
