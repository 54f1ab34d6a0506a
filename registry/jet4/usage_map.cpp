#include "registry/jet4/usage_map.h"

#include "registry/jet4/format/usage_map.h"

#include <algorithm>

namespace jet4 {

using namespace format::usage_map;

namespace {

void addSetBits(const PageStore& pages, ByteView bitmap, uint64_t firstPage, std::vector<uint32_t>& out) {
    for (size_t i = 0; i < bitmap.size(); ++i) {
        const uint8_t byte = bitmap.data()[i];
        if (byte == 0)
            continue;
        for (unsigned bit = 0; bit < 8; ++bit) {
            if ((byte >> bit & 1) == 0)
                continue;
            const uint64_t page = firstPage + i * 8 + bit;
            if (page >= pages.pageCount())
                throw Error("malformed file: a usage map names a page beyond the end of the file");
            out.push_back(static_cast<uint32_t>(page));
        }
    }
}

} // namespace

std::vector<uint32_t> usageMapPages(const PageStore& pages, uint32_t pointer) {
    const RowPointer at = rowPointer(pointer);
    const ByteView map = rowBytes(pages.page(at.page, kDataPage), at.row);
    std::vector<uint32_t> out;
    switch (map.u8(kTypeOffset)) {
    case kInline:
        addSetBits(pages,
                   map.sub(kInlineBitmapOffset, map.size() - std::min(kInlineBitmapOffset, map.size())),
                   map.u32(kStartPageOffset), out);
        break;
    case kReference:
        for (size_t k = 0; kFirstReferenceOffset + kReferenceSize * (k + 1) <= map.size(); ++k) {
            const uint32_t mapPage = map.u32(kFirstReferenceOffset + kReferenceSize * k);
            if (mapPage == 0)
                continue;
            const ByteView bitmap = pages.page(mapPage, kUsageMapPage);
            addSetBits(pages, bitmap.sub(kBitmapPageDataOffset, bitmap.size() - kBitmapPageDataOffset),
                       k * uint64_t{kPagesPerBitmapPage}, out);
        }
        break;
    default:
        throw Error("malformed file: unknown usage map type");
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace jet4
