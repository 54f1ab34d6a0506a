// The maker's file-system library vnxfsys.dll: where it keeps the user's application data. The options
// dialog asks it, since it may open before the logbook has handed over its context.
#pragma once
#include <string>

#include "runtime/exception.h"

namespace zvk {

class EvnxAPI : public Exception {
  public:
    using Exception::Exception;
};

extern const char* const VnxfsysLibrary;

// The application-data folder as the library reports it (Windows-1251, no trailing backslash), or the
// empty text when the library reports failure. EvnxAPI when the library or its entry point is missing.
// The library is loaded and freed on every call.
std::string AppDataPath();

} // namespace zvk
