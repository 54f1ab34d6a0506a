// Text values as Jet 4.0 stores them in a row.
#pragma once

#include "registry/jet4/writer/jet4_bytes.h"

#include <string_view>

namespace jet4::write {

// UTF-16LE, or the compressed form (marker, then one byte per character) when every character lies in
// U+0001..U+00FF and that is shorter. A zero byte would switch modes, hence U+0000 is never compressed.
Bytes encodeText(std::u16string_view text);

// Plain UTF-16LE, as column names are stored.
Bytes utf16le(std::u16string_view text);

} // namespace jet4::write
