// Runs the thread's queued messages, paints included, until none is left.
#pragma once

namespace brevlog {

// False when WM_QUIT arrived; it is posted again for the main loop.
bool PumpPendingMessages();

} // namespace brevlog
