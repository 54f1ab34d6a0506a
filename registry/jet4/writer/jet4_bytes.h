// Little-endian field writers and what every page starts with.
#pragma once

#include "registry/jet4/format/page.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace jet4::write {

using format::kPageSize;
using format::rowPointer;

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

// The type byte and the marker Access writes after it.
inline void putPageType(uint8_t* page, format::PageType type) {
    page[format::kPageTypeOffset] = type;
    page[format::kPageMarkerOffset] = format::kPageMarker;
}

} // namespace jet4::write
