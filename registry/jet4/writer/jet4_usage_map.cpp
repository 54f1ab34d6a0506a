#include "registry/jet4/writer/jet4_usage_map.h"

#include "registry/jet4/format/usage_map.h"

#include <map>
#include <stdexcept>

namespace jet4::write {

using namespace format::usage_map;

namespace {

void setBit(uint8_t* bitmap, uint32_t bit) {
    bitmap[bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
}

UsageMap inlineMap(const std::vector<uint32_t>& pages) {
    const uint32_t start = pages.empty() ? 0 : pages.front();
    UsageMap map;
    map.row.assign(kInlineBitmapOffset + kInlineBitmapSize, 0);
    map.row[kTypeOffset] = kInline;
    put32(&map.row[kStartPageOffset], start);
    for (uint32_t page : pages)
        setBit(&map.row[kInlineBitmapOffset], page - start);
    return map;
}

UsageMap referenceMap(const std::vector<uint32_t>& pages, uint32_t firstSparePage) {
    std::map<uint32_t, Bytes> bitmaps; // by slot
    for (uint32_t page : pages) {
        const uint32_t slot = page / kPagesPerBitmapPage;
        if (slot >= kReferenceSlots)
            throw std::length_error("table too large for a usage map");
        Bytes& bitmap = bitmaps[slot];
        if (bitmap.empty()) {
            bitmap.assign(kPageSize, 0);
            putPageType(bitmap.data(), format::kUsageMapPage);
        }
        setBit(&bitmap[kBitmapPageDataOffset], page % kPagesPerBitmapPage);
    }
    UsageMap map;
    map.row.assign(kFirstReferenceOffset + kReferenceSize * kReferenceSlots, 0);
    map.row[kTypeOffset] = kReference;
    for (auto& [slot, bitmap] : bitmaps) {
        put32(&map.row[kFirstReferenceOffset + kReferenceSize * slot],
              firstSparePage + static_cast<uint32_t>(map.bitmapPages.size()));
        map.bitmapPages.push_back(std::move(bitmap));
    }
    return map;
}

} // namespace

UsageMap usageMap(const std::vector<uint32_t>& pages, uint32_t firstSparePage) {
    if (pages.empty() || pages.back() - pages.front() < kInlineMapPages)
        return inlineMap(pages);
    return referenceMap(pages, firstSparePage);
}

} // namespace jet4::write
