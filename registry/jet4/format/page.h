// What every page of a Jet 4 file shares: its size, the type byte that opens it, and the row pointers by
// which structures name rows on other pages.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jet4::format {

// Page N starts at byte N * kPageSize.
constexpr size_t kPageSize = 4096;
// Jet 3 pages are half as large; of such a file only the header page is ever read.
constexpr size_t kJet3PageSize = 2048;

constexpr size_t kPageTypeOffset = 0;
enum PageType : uint8_t {
    kDatabasePage = 0x00, // page 0, the header
    kDataPage = 0x01,     // table rows, long values and usage-map rows alike
    kTableDefPage = 0x02,
    kUsageMapPage = 0x05, // a bitmap page of a reference usage map
};
// Access writes 0x01 after the type byte of every page; readers ignore it.
constexpr size_t kPageMarkerOffset = 1;
constexpr uint8_t kPageMarker = 0x01;

// A row pointer: row number in the low byte, page number in the three bytes above. Pages beyond this
// number cannot be named.
constexpr size_t kRowPointerSize = 4;
constexpr uint32_t kMaxPageNumber = 0xFFFFFF;
struct RowPointer {
    uint32_t page;
    unsigned row;
};
constexpr RowPointer rowPointer(uint32_t value) {
    return {value >> 8, value & 0xFFu};
}
constexpr uint32_t rowPointer(uint32_t page, uint8_t row) {
    return page << 8 | row;
}

} // namespace jet4::format
