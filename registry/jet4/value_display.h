// UTF-8 renderings of stored non-text values, for tools and tests.
#pragma once

#include "registry/jet4/jet4_reader.h"

#include <string>

namespace jet4 {

// `data` holds the value as stored (fixed types little-endian; Binary/OLE contents).
std::string displayValue(const Column& column, const uint8_t* data, size_t size);

} // namespace jet4
