// Memo and OLE values: stored inline after a 12-byte header, in one LVAL row, or in a chain of LVAL rows.
#pragma once

#include "registry/jet4/memory_budget.h"
#include "registry/jet4/page_store.h"

#include <cstdint>
#include <vector>

namespace jet4 {

// Replaces `out` with the bytes of the value whose in-row header is `field`.
void readLongValue(const PageStore& pages, ByteView field, MemoryBudget& budget, std::vector<uint8_t>& out);

} // namespace jet4
