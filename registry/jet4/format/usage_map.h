// Usage maps: the row that lists the pages a table owns, either inline as a bitmap of pages from a start
// page, or as references to bitmap pages of type kUsageMapPage, each covering its own range of pages.
// In both, bit i of a bitmap (lowest bit of each byte first) stands for the i-th page of its range.
#pragma once

#include "registry/jet4/format/page.h"

#include <cstddef>
#include <cstdint>

namespace jet4::format::usage_map {

constexpr size_t kTypeOffset = 0;
enum MapType : uint8_t { kInline = 0, kReference = 1 };

// Inline: the first page covered, then the bitmap to the row's end.
constexpr size_t kStartPageOffset = 1;
constexpr size_t kInlineBitmapOffset = 5;
constexpr size_t kInlineBitmapSize = 64; // as Access writes it
constexpr uint32_t kInlineMapPages = kInlineBitmapSize * 8;

// Reference: 4-byte page numbers of bitmap pages to the row's end, 0 for none; the k-th covers the pages
// from k * kPagesPerBitmapPage on.
constexpr size_t kFirstReferenceOffset = 1;
constexpr size_t kReferenceSize = 4;
constexpr size_t kReferenceSlots = 17; // as Access writes it: the row as long as an inline one
static_assert(kFirstReferenceOffset + kReferenceSize * kReferenceSlots ==
              kInlineBitmapOffset + kInlineBitmapSize);
constexpr size_t kBitmapPageDataOffset = 4;
constexpr uint32_t kPagesPerBitmapPage = (kPageSize - kBitmapPageDataOffset) * 8;

} // namespace jet4::format::usage_map
