// Usage maps: the rows that list the pages a table owns.
#pragma once

#include "registry/jet4/writer/jet4_bytes.h"

namespace jet4::write {

struct UsageMap {
    Bytes row;
    std::vector<Bytes> bitmapPages; // for a reference map, to be placed at firstSparePage onwards
};

// `pages` ascending. Inline when they span fewer pages than an inline map covers, else a reference map.
UsageMap usageMap(const std::vector<uint32_t>& pages, uint32_t firstSparePage);

} // namespace jet4::write
