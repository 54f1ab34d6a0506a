#include "host/message_pump.h"

#include <windows.h>

namespace brevlog {

bool PumpPendingMessages() {
    // Bounded so that a window that invalidates itself forever cannot hang a script.
    constexpr int kMaxMessages = 100000;
    MSG message{};
    for (int i = 0; i < kMaxMessages && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

} // namespace brevlog
