// The balloon notice's enumerations (one byte each, ordinals as stored in form resources) and its error.
#pragma once
#include <cstdint>

#include "runtime/exception.h"

namespace zvk {

enum THintStyle : uint8_t { hsStandart, hsBalloon };
enum THintMode : uint8_t { hmStandart, hmComic };
// The ordinal is the tooltip's title icon: TTI_NONE, TTI_INFO, TTI_WARNING, TTI_ERROR.
enum TIconType : uint8_t { itNone, itInformation, itExclamation, itCritical };
enum TSoundType : uint8_t { stStandart, stStandartEx, stInfo, stInfoEx, stError, stErrorEx };

class THintException : public Exception {
  public:
    using Exception::Exception;
};

} // namespace zvk
