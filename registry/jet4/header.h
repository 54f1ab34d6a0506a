// Page 0 of a Jet/ACE file: format, encoding key and the database password.
#pragma once

#include "registry/jet4/format/page.h"
#include "registry/jet4/jet4_reader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace jet4 {

using format::kPageSize;

struct Header {
    FileInfo info;
    uint32_t encodingKey = 0; // 0: pages are stored plain
    std::u16string password;  // empty: none set
};

// Decodes page 0 (which must be complete). Throws Error for anything that is not a Jet/ACE database.
Header decodeHeader(const uint8_t* data, size_t size);

} // namespace jet4
