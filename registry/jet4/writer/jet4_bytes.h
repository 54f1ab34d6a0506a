// Little-endian field writers and the page geometry every Jet 4.0 page shares.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace jet4::write {

constexpr std::size_t kPageSize = 4096;

using Bytes = std::vector<uint8_t>;

inline void put16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

inline void put32(uint8_t* at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void putDouble(uint8_t* at, double v) {
    uint64_t bits = 0;
    static_assert(sizeof bits == sizeof v, "IEEE-754 double expected");
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

inline void append16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void append32(Bytes& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A row pointer as TDEFs store it: row number in the low byte, page number above.
inline uint32_t rowPointer(uint32_t page, uint8_t row) {
    return (page << 8) | row;
}

} // namespace jet4::write
