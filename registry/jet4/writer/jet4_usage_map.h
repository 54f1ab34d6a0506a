// Usage maps: the rows that list the pages a table owns.
#pragma once

#include "registry/jet4/writer/jet4_bytes.h"

namespace jet4::write {

// An inline map's 64-byte bitmap covers this many pages from its start page.
constexpr uint32_t kInlineMapPages = 64 * 8;
// Each bitmap page of a reference map covers this many pages.
constexpr uint32_t kPagesPerBitmapPage = (kPageSize - 4) * 8;

struct UsageMap {
    Bytes row;
    std::vector<Bytes> bitmapPages; // for a reference map, to be placed at firstSparePage onwards
};

// `pages` ascending. Inline when they span fewer than kInlineMapPages, else a reference map.
UsageMap usageMap(const std::vector<uint32_t>& pages, uint32_t firstSparePage);

} // namespace jet4::write
