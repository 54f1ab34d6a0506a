// Caps what a table may cost in memory relative to the file, so that shared or looping references in a
// damaged file cannot multiply it.
#pragma once

#include "registry/jet4/jet4_reader.h"

#include <cstddef>
#include <cstdint>

namespace jet4 {

class MemoryBudget {
  public:
    explicit MemoryBudget(size_t fileSize)
        : left_(fileSize > (SIZE_MAX - kFloor) / kFactor ? SIZE_MAX : fileSize * kFactor + kFloor) {}
    void take(size_t bytes) {
        if (bytes > left_)
            throw Error("malformed file: table data larger than the file can hold");
        left_ -= bytes;
    }

  private:
    static constexpr size_t kFactor = 32;
    static constexpr size_t kFloor = size_t{16} << 20;
    size_t left_;
};

} // namespace jet4
