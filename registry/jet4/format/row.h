// A row on a data page: its column count, the fixed-length data, the variable-length data, and from the
// row's end backwards the null mask, the variable count and the variable offsets. A table without
// variable columns has neither count nor offsets.
#pragma once

#include <cstddef>

namespace jet4::format::row {

constexpr size_t kColumnCountOffset = 0;
constexpr size_t kColumnCountSize = 2;
// Fixed columns' offsets count from here.
constexpr size_t kFixedDataOffset = kColumnCountOffset + kColumnCountSize;

// One bit per column number, lowest bit first; set means the column has a value (Boolean columns keep
// their value there). Columns numbered at or beyond the row's column count are NULL.
constexpr size_t nullMaskSize(size_t columns) {
    return (columns + 7) / 8;
}

// The variable count and each variable offset.
constexpr size_t kVarEntrySize = 2;
// Right before the null mask.
constexpr size_t varCountEntry(size_t maskStart) {
    return maskStart - kVarEntrySize;
}
// Before the count, the start of each variable column's value, index 0 nearest the count; the entry
// after the last one (index == count) is where the variable data ends.
constexpr size_t varOffsetEntry(size_t maskStart, size_t index) {
    return maskStart - kVarEntrySize * (index + 2);
}

} // namespace jet4::format::row
