// Membership test over one text column: whole-value equality ignoring letter case (see case_fold.h).
#pragma once

#include "registry/jet4/jet4_reader.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jet4 {

class MemberIndex {
  public:
    MemberIndex() = default;
    // Every present value of a Text or Memo column; NULLs are left out. A column of any other type holds
    // no callsigns: its index matches nothing, not even the empty key.
    MemberIndex(const Table& table, size_t column);
    explicit MemberIndex(const std::vector<std::u16string>& values);

    // No allocation, whatever the key's length.
    bool contains(std::u16string_view key) const;
    size_t size() const { return ends_.size(); } // distinct values after folding
    size_t memoryUsage() const;

  private:
    void reserve(size_t count, size_t chars);
    void insert(std::u16string_view value);
    std::u16string_view value(uint32_t index) const;
    // Slot: hash in the high half, value index + 1 in the low half; 0 = empty.
    size_t findSlot(std::u16string_view key, uint64_t hash) const;

    std::u16string chars_; // folded values back to back
    std::vector<uint32_t> ends_;
    std::vector<uint64_t> slots_;
};

} // namespace jet4
