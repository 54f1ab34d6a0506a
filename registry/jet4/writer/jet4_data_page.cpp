#include "registry/jet4/writer/jet4_data_page.h"

#include "registry/jet4/format/row.h"

#include <algorithm>
#include <stdexcept>

namespace jet4::write {

using namespace format::data_page;

DataPage::DataPage(uint32_t ownerTdef) : page_(kPageSize, 0) {
    putPageType(page_.data(), format::kDataPage);
    put32(&page_[kOwnerOffset], ownerTdef);
    put16(&page_[kFreeSpaceOffset], static_cast<uint16_t>(freeSpace()));
}

bool DataPage::fits(std::size_t rowSize) const {
    return count_ < kMaxRows && rowSize + kRowSlotSize <= freeSpace();
}

uint8_t DataPage::add(const Bytes& row) {
    if (!fits(row.size()))
        throw std::logic_error("row does not fit the data page");
    rowsStart_ -= row.size();
    std::memcpy(&page_[rowsStart_], row.data(), row.size());
    put16(&page_[rowSlotOffset(count_)], static_cast<uint16_t>(rowsStart_));
    ++count_;
    put16(&page_[kRowCountOffset], static_cast<uint16_t>(count_));
    put16(&page_[kFreeSpaceOffset], static_cast<uint16_t>(freeSpace()));
    return static_cast<uint8_t>(count_ - 1);
}

Bytes encodeRow(uint16_t columnCount, const Bytes& fixed, const std::vector<Bytes>& variable,
                const std::vector<uint16_t>& nullColumns) {
    Bytes row;
    append16(row, columnCount);
    row.insert(row.end(), fixed.begin(), fixed.end());
    if (!variable.empty()) {
        std::vector<uint16_t> starts;
        for (const Bytes& value : variable) {
            starts.push_back(static_cast<uint16_t>(row.size()));
            row.insert(row.end(), value.begin(), value.end());
        }
        // Offsets run backwards from the end: end of data first, variable index 0 last, then the count.
        append16(row, static_cast<uint16_t>(row.size()));
        for (auto it = starts.rbegin(); it != starts.rend(); ++it)
            append16(row, *it);
        append16(row, static_cast<uint16_t>(variable.size()));
    }
    // Null mask: one bit per column number, set = has a value.
    const std::size_t maskStart = row.size();
    row.resize(maskStart + format::row::nullMaskSize(columnCount), 0);
    for (uint16_t column = 0; column < columnCount; ++column)
        if (std::find(nullColumns.begin(), nullColumns.end(), column) == nullColumns.end())
            row[maskStart + column / 8] |= static_cast<uint8_t>(1u << (column % 8));
    return row;
}

} // namespace jet4::write
