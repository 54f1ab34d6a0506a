// COM and the common controls on the host's thread, set up by an entry point rather than while the module
// is being loaded (nothing that may load a library runs under the loader lock), and balanced: each
// session that initialised COM uninitialises it once, so no cycle of the host leaves an apartment
// reference behind.
#pragma once
#include <windows.h>

namespace zvk {

class ThreadSession {
  public:
    ThreadSession();
    ~ThreadSession();
    ThreadSession(const ThreadSession&) = delete;
    ThreadSession& operator=(const ThreadSession&) = delete;

    // Forgets the COM reference without uninitialising: for module unload, where COM must not be called.
    void Abandon() { initialised_ = false; }

  private:
    bool initialised_ = false;
};

} // namespace zvk
