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
    size_t size() const { return count_; } // distinct values after folding
    size_t memoryUsage() const;

    // Adds values one at a time, for readers that stream them out of a file.
    class Builder;

  private:
    // A value folded and, when every character has a byte in Windows-1251 and it is short (as callsigns
    // are), held in the slot itself: the low byte of w[0] is 1 + its length, the bytes follow in w[0..2]
    // from the low end up, zero padded. Longer or other values live in chars_: w[0] is kLongSlot, w[1]
    // 32 bits of their hash, w[2] their offset there. 0 is an empty slot.
    struct Slot {
        uint32_t w[3];
    };
    static constexpr size_t kSlotsPerBucket = 5;
    // One cache line. `overflow` is set once a value has gone on past this full bucket: a lookup that
    // finds neither its key nor the flag here stops, so most probes touch a single line.
    struct alignas(64) Bucket {
        Slot slots[kSlotsPerBucket];
        uint32_t overflow;
    };

    void allocate(size_t values);
    void rehash(size_t values);
    size_t home(uint64_t hash) const;
    // Adds a prepared value unless an equal one is there; false for a duplicate.
    bool insertSlot(const Slot& slot, uint64_t hash);
    bool insertLong(std::u16string_view folded, uint64_t hash);
    bool containsLong(std::u16string_view key) const;
    template <typename Equal> bool findLong(uint64_t hash, Equal equal) const;
    std::u16string_view longValue(const Slot& slot) const;
    uint64_t slotHash(const Slot& slot) const;

    // Misses are what most lookups are (most callsigns of a log are not members): a small filter, a byte a
    // value, turns nearly all of them away from a cache-resident word while the bucket's line, fetched
    // alongside, is needed only by hits.
    void mark(uint64_t hash);
    bool mayHold(uint64_t hash) const;

    std::vector<Bucket> buckets_;
    std::vector<uint64_t> filter_;
    std::u16string chars_; // long values: length in two units, then the folded characters
    size_t count_ = 0;
    size_t limit_ = 0; // values the buckets take before they must grow
};

class MemberIndex::Builder {
  public:
    // `expected` sizes the index; more values make it grow, far fewer make finish() shrink it.
    explicit Builder(size_t expected);
    void add(std::u16string_view value);
    MemberIndex finish();

  private:
    struct Pending {
        Slot slot;
        uint32_t top; // the high half of its hash, which alone places it
    };
    void insert(const Pending* values, size_t count);
    // A large index is written a region at a time: values wait in a buffer per region of the index, and a
    // full buffer goes in at once. Its inserts then stay within a few hundred kilobytes, which the
    // caches and the address translation keep, instead of jumping across the whole index.
    static constexpr unsigned kRegionBits = 6;
    static constexpr size_t kBuffered = 1024; // values a region waits for
    MemberIndex index_;
    bool regions_ = false;
    std::vector<Pending> buffers_;
    std::vector<uint32_t> filled_;
    std::u16string scratch_;
};

} // namespace jet4
