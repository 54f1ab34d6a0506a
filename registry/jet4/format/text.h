// How Text and Memo values are stored. A value that starts with the marker is "compressed": one byte per
// character from U+0001 to U+00FF, a zero byte switching to UCS-2 (two bytes a character) and back. Any
// other value is UCS-2 throughout.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jet4::format::text {

constexpr uint8_t kCompressedMarker[2] = {0xFF, 0xFE};
constexpr size_t kCompressedMarkerSize = sizeof kCompressedMarker;
constexpr uint8_t kModeSwitch = 0x00;

inline bool isCompressed(const uint8_t* data, size_t size) {
    return size >= kCompressedMarkerSize && data[0] == kCompressedMarker[0] &&
           data[1] == kCompressedMarker[1];
}

// Characters a Text column holds at most.
constexpr size_t kMaxTextLength = 255;

// LCID of Access's "General" sort order, as the header and Text column descriptors record it.
constexpr uint16_t kGeneralSortOrder = 1033;

} // namespace jet4::format::text
