// Usage maps: the set of pages a table owns.
#pragma once

#include "registry/jet4/page_store.h"

#include <cstdint>
#include <vector>

namespace jet4 {

// Pages named by the map stored in the row at `pointer`, ascending and distinct. Error when the map is
// malformed or names a page beyond the file.
std::vector<uint32_t> usageMapPages(const PageStore& pages, uint32_t pointer);

} // namespace jet4
