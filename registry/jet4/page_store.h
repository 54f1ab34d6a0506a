// The file as a sequence of 4 KiB pages, decoded once when the file is "encoded"; data-page row access.
#pragma once

#include "registry/jet4/byte_view.h"
#include "registry/jet4/format/data_page.h"
#include "registry/jet4/format/page.h"

#include <cstdint>
#include <vector>

namespace jet4 {

using format::kDataPage;
using format::kTableDefPage;
using format::kUsageMapPage;
using format::PageType;

// Row-slot flags of a data page.
using format::data_page::kRowDeleted;
using format::data_page::kRowOverflow;

using format::RowPointer;
using format::rowPointer;

class PageStore {
  public:
    // Error unless the file is whole pages. Pages from 1 on are decoded with the key when it is set.
    PageStore(std::vector<uint8_t> bytes, uint32_t encodingKey);
    // Reads the caller's bytes in place, which must outlive the store; an encoded file is decoded into a
    // copy of its own.
    PageStore(const uint8_t* data, size_t size, uint32_t encodingKey);
    // A copy would still read the original's decoded bytes; moving keeps them where they are.
    PageStore(const PageStore&) = delete;
    PageStore& operator=(const PageStore&) = delete;
    PageStore(PageStore&&) = default;
    PageStore& operator=(PageStore&&) = default;

    uint32_t pageCount() const { return pageCount_; }
    size_t fileSize() const { return fileSize_; }
    ByteView page(uint32_t number) const;
    // A page of the given type, or Error.
    ByteView page(uint32_t number, PageType type) const;

  private:
    void open(uint32_t encodingKey);
    std::vector<uint8_t> owned_;
    const uint8_t* data_;
    size_t fileSize_;
    uint32_t pageCount_ = 0;
};

// Row slots of a data page. Inline: a scan calls them for every row.
namespace detail {
// Slots that fit into the row table of one page at all.
constexpr unsigned kMaxRowSlots =
    (format::kPageSize - format::data_page::kRowTableOffset) / format::data_page::kRowSlotSize;
} // namespace detail

inline unsigned rowSlotCount(ByteView page) {
    const unsigned n = page.u16(format::data_page::kRowCountOffset);
    if (n > detail::kMaxRowSlots)
        throw Error("malformed file: absurd row count on a data page");
    return n;
}

inline uint16_t rowSlotFlags(ByteView page, unsigned row) {
    using namespace format::data_page;
    return static_cast<uint16_t>(page.u16(rowSlotOffset(row)) & ~kRowOffsetMask);
}

// The bytes of row `row` of the `slots` a page has (flags ignored); Error when its bounds are invalid.
inline ByteView rowBytes(ByteView page, unsigned row, unsigned slots) {
    using namespace format::data_page;
    if (row >= slots)
        throw Error("malformed file: row pointer to a missing row");
    const size_t start = page.u16(rowSlotOffset(row)) & kRowOffsetMask;
    const size_t end = row == 0 ? page.size() : page.u16(rowSlotOffset(row - 1)) & kRowOffsetMask;
    if (start < rowSlotOffset(slots) || start >= end || end > page.size())
        throw Error("malformed file: row bounds outside its page");
    return page.sub(start, end - start);
}

// The same for a row whose page has not been looked at yet; Error also when the slot is out of range.
inline ByteView rowBytes(ByteView page, unsigned row) {
    return rowBytes(page, row, rowSlotCount(page));
}

} // namespace jet4
