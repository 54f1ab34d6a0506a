// A table definition (TDEF): a header of counts and usage-map pointers, one entry per real index, the
// column descriptors, the column names, then the indexes' own data and the long-value columns' usage
// maps. A definition longer than a page continues on further TDEF pages; the offsets below are into the
// definition with those continuations appended.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jet4::format {

namespace tdef {

constexpr size_t kFreeSpaceOffset = 2;
// The next TDEF page of this definition, 0 on the last; a continuation adds its bytes from
// kContinuationDataOffset on.
constexpr size_t kNextPageOffset = 4;
constexpr size_t kContinuationDataOffset = 8;
// Bytes of the definition after this field.
constexpr size_t kDefinitionLengthOffset = 8;
// May be stale after an unclean close: readers count the rows themselves.
constexpr size_t kRowCountOffset = 16;
constexpr size_t kNextAutonumberOffset = 20;
constexpr size_t kTableTypeOffset = 40;
constexpr uint8_t kUserTable = 0x4E;
constexpr uint8_t kSystemTable = 0x53;
// Column numbers given out so far, deleted columns included.
constexpr size_t kMaxColumnsOffset = 41;
constexpr size_t kNumVarColumnsOffset = 43;
constexpr size_t kNumColumnsOffset = 45;
constexpr size_t kNumIndexesOffset = 47;     // logical
constexpr size_t kNumRealIndexesOffset = 51; // physical: one entry each before the columns
// Row pointers to the usage maps of the pages the table owns and of those with free space.
constexpr size_t kOwnedPagesOffset = 55;
constexpr size_t kFreeSpacePagesOffset = 59;
constexpr size_t kRealIndexEntriesOffset = 63;
constexpr size_t kRealIndexEntrySize = 12;
// Each column name: its length in bytes, then UCS-2.
constexpr size_t kNameLengthSize = 2;
// Ends the list of long-value columns' usage maps at the end of the definition.
constexpr uint16_t kEndOfColumnMaps = 0xFFFF;

} // namespace tdef

// A column descriptor. Descriptors are not in column-number order.
namespace column {

constexpr size_t kDescriptorSize = 25;
constexpr size_t kTypeOffset = 0; // a jet4::ColumnType
// Orders the columns and picks the column's null-mask bit; deleted columns leave gaps.
constexpr size_t kNumberOffset = 5;
constexpr size_t kVarIndexOffset = 7; // variable columns: the slot in a row's variable offsets
constexpr size_t kNumberAgainOffset = 9;
constexpr size_t kSortOrderOffset = 11; // Text: LCID of the sort order
constexpr size_t kPrecisionOffset = 11; // Numeric
constexpr size_t kScaleOffset = 12;     // Numeric
constexpr size_t kFlagsOffset = 15;
constexpr size_t kExtFlagsOffset = 16;
constexpr size_t kFixedDataOffset = 21; // fixed columns: the offset in a row's fixed data
constexpr size_t kLengthOffset = 23;    // in bytes: Text(n) has 2n

// Flags.
constexpr uint8_t kFixedLengthFlag = 0x01;
constexpr uint8_t kUpdatableFlag = 0x02;
// Extended flags: the column's values may be stored compressed.
constexpr uint8_t kCompressedUnicodeFlag = 0x01;

} // namespace column

} // namespace jet4::format
