// Forced into GoogleTest's own sources on Windows. GoogleTest copies each failure and skip message to
// OutputDebugStringA; under 32-bit Wine in qemu that call crashes the process whenever another thread is
// blocked in a wait (GoogleTest's own thread-exit watcher is), which turns a clean failure into a crash.
// The messages still go to the console.
#pragma once
#include <windows.h>

inline void ZvkNoDebuggerOutput(const char*) {}
#define OutputDebugStringA ZvkNoDebuggerOutput
