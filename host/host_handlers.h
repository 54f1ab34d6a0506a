// The host's own event handlers, installed before the plug-in runs so that chaining is visible: a mode
// marker in the grids' "Режим" cells, and status texts for the callsign box.
#pragma once
#include "sdk/brevlog_plugin.h"

#include <string>

namespace brevlog {

class LogGrid;

// Where the callsign box's handlers report.
class EntryStatusSink {
  public:
    virtual void ShowEntryStatus(const std::wstring& text) = 0;

  protected:
    ~EntryStatusSink() = default;
};

void InstallModeMarker(LogGrid& grid);
void InstallEntryStatus(TCustomEdit& edit, EntryStatusSink& sink);

// The colour of the marker a mode gets; Windows-1251 mode text.
COLORREF ModeMarkerColor(const std::string& mode);

} // namespace brevlog
