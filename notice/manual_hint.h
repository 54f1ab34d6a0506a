// The balloon notice shown under the callsign box. Until its window lands it shows nothing, so hiding
// it is all the notifier can ask of it.
#pragma once

namespace zvk {

class TManualHint {
  public:
    void HideHint() {}
};

} // namespace zvk
