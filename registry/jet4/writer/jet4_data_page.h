// Data pages (type 0x01): a header, a row offset table growing upwards and rows packed down from the end.
#pragma once

#include "registry/jet4/format/data_page.h"
#include "registry/jet4/writer/jet4_bytes.h"

namespace jet4::write {

class DataPage {
  public:
    explicit DataPage(uint32_t ownerTdef);

    bool fits(std::size_t rowSize) const;
    // Returns the row's number on this page; the caller checks fits() first.
    uint8_t add(const Bytes& row);
    std::size_t rowCount() const { return count_; }
    const Bytes& bytes() const { return page_; }

  private:
    std::size_t freeSpace() const { return rowsStart_ - format::data_page::rowSlotOffset(count_); }

    Bytes page_;
    std::size_t count_ = 0;
    std::size_t rowsStart_ = kPageSize;
};

// A row: `fixed` is the fixed-length area, `variable` the values of the variable-length columns in
// variable-index order; the columns numbered in `nullColumns` are NULL (give them an empty value).
Bytes encodeRow(uint16_t columnCount, const Bytes& fixed, const std::vector<Bytes>& variable,
                const std::vector<uint16_t>& nullColumns = {});

} // namespace jet4::write
