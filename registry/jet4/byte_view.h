// Bounds-checked little-endian reads: every out-of-range access of file data becomes jet4::Error.
#pragma once

#include "registry/jet4/jet4_reader.h"

#include <cstddef>
#include <cstdint>

namespace jet4 {

class ByteView {
  public:
    ByteView() = default;
    ByteView(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    uint8_t u8(size_t off) const {
        check(off, 1);
        return data_[off];
    }
    uint16_t u16(size_t off) const {
        check(off, 2);
        return static_cast<uint16_t>(data_[off] | data_[off + 1] << 8);
    }
    uint32_t u32(size_t off) const {
        check(off, 4);
        return data_[off] | data_[off + 1] << 8 | static_cast<uint32_t>(data_[off + 2]) << 16 |
               static_cast<uint32_t>(data_[off + 3]) << 24;
    }
    ByteView sub(size_t off, size_t len) const {
        check(off, len);
        return ByteView(data_ + off, len);
    }

  private:
    void check(size_t off, size_t len) const {
        if (off > size_ || len > size_ - off)
            throw Error("malformed file: a structure reaches past its bounds");
    }
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

} // namespace jet4
