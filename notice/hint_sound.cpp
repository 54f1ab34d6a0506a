#include "notice/hint_sound.h"

#include <mmsystem.h>

#include "notice/manual_hint.h"
#include "runtime/module.h"

namespace zvk {

TPlaySound PlaySoundSeam = &PlaySoundA;

int SoundResourceId(TSoundType type) {
    return type <= stErrorEx ? FirstSoundId + type : FirstSoundId;
}

// Every failure is silent, and the system's default sound never stands in. The image is not freed: it
// stays in the module while the asynchronous playback runs.
void TManualHint::PlayHintSound() {
    HMODULE module = thisModule();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(SoundResourceId(FSoundType)), "SOUND");
    if (found == nullptr) {
        return;
    }
    HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr) {
        return;
    }
    const void* image = LockResource(loaded);
    if (image == nullptr) {
        return;
    }
    PlaySoundSeam(static_cast<LPCSTR>(image), nullptr, SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
    FSoundStarted = true;
}

void TManualHint::StopHintSound() {
    if (FSoundStarted) {
        PlaySoundSeam(nullptr, nullptr, 0);
        FSoundStarted = false;
    }
}

} // namespace zvk
