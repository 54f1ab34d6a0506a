// Walks the live rows of a table: its owned data pages in order, deleted rows skipped, moved rows followed.
#pragma once

#include "registry/jet4/table_def.h"
#include "registry/jet4/usage_map.h"

#include <vector>

namespace jet4 {

using format::data_page::kOwnerOffset;

inline bool ownedDataPage(ByteView page, uint32_t tdef) {
    return page.u8(format::kPageTypeOffset) == kDataPage && page.u32(kOwnerOffset) == tdef;
}

// The row an overflow pointer leads to.
ByteView followOverflow(const PageStore& pages, const TableDef& table, ByteView pointer);

// Calls visit(ByteView row) for every live row; a template so that the per-row call inlines.
// `owned`: the pages the table's usage map names (usageMapPages), read once by the caller, who also
// sizes its output from them.
template <typename Visit>
void forEachRow(const PageStore& pages, const TableDef& table, const std::vector<uint32_t>& owned,
                Visit&& visit) {
    for (uint32_t number : owned) {
        const ByteView page = pages.page(number);
        // Maps may still name pages the table gave away; only its own data pages count.
        if (!ownedDataPage(page, table.page))
            continue;
        const unsigned slots = rowSlotCount(page);
        for (unsigned row = 0; row < slots; ++row) {
            const uint16_t flags = rowSlotFlags(page, row);
            if (flags & kRowDeleted)
                continue;
            const ByteView bytes = rowBytes(page, row, slots);
            visit(flags & kRowOverflow ? followOverflow(pages, table, bytes) : bytes);
        }
    }
}

} // namespace jet4
