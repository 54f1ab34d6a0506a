#include "registry/jet4/long_value.h"

#include "registry/jet4/format/long_value.h"

#include <set>
#include <utility>

namespace jet4 {

using namespace format::long_value;

namespace {

ByteView lvalRow(const PageStore& pages, uint32_t pointer) {
    const RowPointer at = rowPointer(pointer);
    return rowBytes(pages.page(at.page, kDataPage), at.row);
}

} // namespace

void readLongValue(const PageStore& pages, ByteView field, MemoryBudget& budget, std::vector<uint8_t>& out) {
    out.clear();
    if (field.size() < kHeaderSize)
        throw Error("malformed file: long value header too short");
    const uint32_t word = field.u32(kLengthOffset);
    const size_t length = word & ~kTypeMask;
    if (length > pages.fileSize())
        throw Error("malformed file: long value larger than the file");
    budget.take(length);
    out.reserve(length);

    const uint32_t type = word & kTypeMask;
    if (type == kInline) {
        const ByteView data = field.sub(kHeaderSize, length);
        out.assign(data.data(), data.data() + data.size());
    } else if (type == kSingleRow) {
        const ByteView row = lvalRow(pages, field.u32(kRowPointerOffset));
        const ByteView data = row.sub(0, length);
        out.assign(data.data(), data.data() + data.size());
    } else if (type == kRowChain) {
        // Each row starts with the pointer to the next one; every step must add data, so the walk ends.
        std::set<uint32_t> seen;
        uint32_t pointer = field.u32(kRowPointerOffset);
        while (out.size() < length) {
            if (pointer == 0 || !seen.insert(pointer).second)
                throw Error("malformed file: long value chain broken or cyclic");
            const ByteView row = lvalRow(pages, pointer);
            if (row.size() <= kChainDataOffset)
                throw Error("malformed file: empty long value row");
            const size_t take = std::min(row.size() - kChainDataOffset, length - out.size());
            out.insert(out.end(), row.data() + kChainDataOffset, row.data() + kChainDataOffset + take);
            pointer = row.u32(kChainNextOffset);
        }
    } else {
        throw Error("malformed file: unknown long value type");
    }
}

} // namespace jet4
