// A Memo or OLE value's field in its row: a header of one length-and-type word and a row pointer, with an
// inline value's data right after it. Values kept elsewhere lie on long-value pages, data pages whose
// rows belong to no table.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jet4::format::long_value {

constexpr size_t kHeaderSize = 12;
// The word: the length in bytes, with the storage type in its top two bits.
constexpr size_t kLengthOffset = 0;
constexpr uint32_t kTypeMask = 0xC0000000;
constexpr uint32_t kInline = 0x80000000;    // the data follows the header
constexpr uint32_t kSingleRow = 0x40000000; // the data is one row
constexpr uint32_t kRowChain = 0x00000000;  // the data runs through a chain of rows
// The row of a single-row value, or the first row of a chain.
constexpr size_t kRowPointerOffset = 4;
// Each row of a chain starts with the pointer to the next one.
constexpr size_t kChainNextOffset = 0;
constexpr size_t kChainDataOffset = 4;

} // namespace jet4::format::long_value
