// Jet text storage (UCS-2 or "compressed unicode") and the UTF-8 conversions the tools need.
#pragma once

#include "registry/jet4/byte_view.h"

#include <string>

namespace jet4 {

// Appends the characters of a stored Text/Memo value to `out`.
void appendStoredText(const uint8_t* data, size_t size, std::u16string& out);

// The same into a caller's buffer, for the short values a lookup column holds: false, and `out` undefined,
// when the value has more than `capacity` characters.
bool decodeShortText(const uint8_t* data, size_t size, char16_t* out, size_t capacity, size_t& length);

} // namespace jet4
