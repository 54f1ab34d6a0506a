#include "registry/jet4/row_scan.h"

namespace jet4 {
namespace {

// Access moves a row at most once; a longer chain is damage (or a cycle).
constexpr int kMaxOverflowHops = 8;

} // namespace

ByteView followOverflow(const PageStore& pages, const TableDef& table, ByteView pointer) {
    for (int hop = 0; hop < kMaxOverflowHops; ++hop) {
        // The moved row's old slot holds just a row pointer to it.
        if (pointer.size() < format::kRowPointerSize)
            throw Error("malformed file: overflow row pointer too short");
        const RowPointer at = rowPointer(pointer.u32(0));
        const ByteView page = pages.page(at.page);
        if (!ownedDataPage(page, table.page))
            throw Error("malformed file: overflow row on a page of another table");
        const ByteView target = rowBytes(page, at.row);
        if ((rowSlotFlags(page, at.row) & kRowOverflow) == 0)
            return target;
        pointer = target;
    }
    throw Error("malformed file: overflow row chain too long");
}

} // namespace jet4
