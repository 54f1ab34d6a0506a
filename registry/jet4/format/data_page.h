// Data pages: a header, a table of row slots growing upwards after it, and the rows packed down from the
// page end, so that row i ends where row i - 1 starts (row 0 at the page end).
#pragma once

#include <cstddef>
#include <cstdint>

namespace jet4::format::data_page {

constexpr size_t kFreeSpaceOffset = 2;
// The TDEF page of the table whose rows these are; long-value pages hold "LVAL" there instead.
constexpr size_t kOwnerOffset = 4;
constexpr size_t kRowCountOffset = 12;
constexpr size_t kRowTableOffset = 14;
constexpr size_t kRowSlotSize = 2;
constexpr size_t rowSlotOffset(size_t row) {
    return kRowTableOffset + kRowSlotSize * row;
}

// A slot: the row's start in the page in the low bits, flags above them.
constexpr uint16_t kRowOffsetMask = 0x1FFF;
// A moved row's original slot holds a pointer to it (overflow); its new copy is marked deleted so that a
// scan meets it only through the pointer.
constexpr uint16_t kRowDeleted = 0x8000;
constexpr uint16_t kRowOverflow = 0x4000;

// At most this many rows on one page, as Access writes them.
constexpr size_t kMaxRows = 255;

} // namespace jet4::format::data_page
