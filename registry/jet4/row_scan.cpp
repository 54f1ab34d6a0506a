#include "registry/jet4/row_scan.h"

#include "registry/jet4/usage_map.h"

namespace jet4 {
namespace {

constexpr size_t kOwnerOffset = 4;
// Access moves a row at most once; a longer chain is damage (or a cycle).
constexpr int kMaxOverflowHops = 8;

bool ownedDataPage(ByteView page, uint32_t tdef) {
    return page.u8(0) == kDataPage && page.u32(kOwnerOffset) == tdef;
}

ByteView followOverflow(const PageStore& pages, const TableDef& table, ByteView pointer) {
    for (int hop = 0; hop < kMaxOverflowHops; ++hop) {
        if (pointer.size() < 4)
            throw Error("malformed file: overflow row pointer too short");
        const unsigned row = pointer.u8(0);
        const uint32_t number = pointer.u24(1);
        const ByteView page = pages.page(number);
        if (!ownedDataPage(page, table.page))
            throw Error("malformed file: overflow row on a page of another table");
        const ByteView target = rowBytes(page, row);
        if ((rowSlotFlags(page, row) & kRowOverflow) == 0)
            return target;
        pointer = target;
    }
    throw Error("malformed file: overflow row chain too long");
}

} // namespace

void forEachRow(const PageStore& pages, const TableDef& table, const std::function<void(ByteView)>& visit) {
    for (uint32_t number : usageMapPages(pages, table.ownedPagesMap)) {
        const ByteView page = pages.page(number);
        // Maps may still name pages the table gave away; only its own data pages count.
        if (!ownedDataPage(page, table.page))
            continue;
        const unsigned slots = rowSlotCount(page);
        for (unsigned row = 0; row < slots; ++row) {
            const uint16_t flags = rowSlotFlags(page, row);
            if (flags & kRowDeleted)
                continue;
            const ByteView bytes = rowBytes(page, row);
            visit(flags & kRowOverflow ? followOverflow(pages, table, bytes) : bytes);
        }
    }
}

} // namespace jet4
