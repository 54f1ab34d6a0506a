// COM and the common controls, set up on the host's thread at the first entry-point call: nothing that
// may load a library runs while the module is being loaded.
#pragma once

namespace zvk {

void EnsureThreadSession();

} // namespace zvk
