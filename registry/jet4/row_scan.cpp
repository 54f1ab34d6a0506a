#include "registry/jet4/row_scan.h"

namespace jet4 {
namespace {

// Access moves a row at most once; a longer chain is damage (or a cycle).
constexpr int kMaxOverflowHops = 8;

} // namespace

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

} // namespace jet4
