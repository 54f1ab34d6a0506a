// Membership test over one text column: whole-value equality ignoring letter case (see case_fold.h).
#pragma once

#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/zeroed_memory.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
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
    // A value folded and, when it is short (as callsigns are), packed into the slot itself: the low four
    // bits tell how, then six bits a character (digits, Latin letters, common punctuation) or a byte a
    // character (Windows-1251); see member_index.cpp. Other values live in chars_: the low four bits are
    // kLongSlot, then 28 bits of their hash and their offset there. 0 is an empty slot.
    using Slot = uint64_t;
    static constexpr size_t kSlotsPerBucket = 8;
    // Buckets hold at most 6 values on average (of 8 slots): few overflow, so a miss mostly reads one line.
    static constexpr size_t kValuesPerBucket = 6;
    // One cache line: most probes touch a single line.
    struct alignas(64) Bucket {
        Slot slots[kSlotsPerBucket];
    };
    static_assert(sizeof(Bucket) == 64 && std::is_trivially_copyable_v<Bucket>,
                  "a bucket is one cache line of plain data");

    void allocate(size_t values);
    void rehash(size_t values);
    size_t home(uint64_t hash) const;
    // Values the buckets take before they must grow.
    size_t limit() const { return buckets_.size() * kValuesPerBucket; }
    // Set once a value has gone on past this full bucket: a lookup that finds neither its key nor an
    // empty slot nor the flag here stops. A bit a bucket, so the flags stay in the cache.
    bool overflows(size_t bucket) const { return overflow_[bucket / 64] >> (bucket % 64) & 1; }
    void setOverflow(size_t bucket) { overflow_[bucket / 64] |= uint64_t{1} << (bucket % 64); }
    size_t next(size_t bucket) const { return bucket + 1 == buckets_.size() ? 0 : bucket + 1; }
    // Adds a prepared value unless an equal one is there; false for a duplicate.
    bool insertSlot(Slot slot, uint64_t hash);
    bool insertLong(std::u16string_view folded, uint64_t hash);
    bool containsLong(std::u16string_view key) const;
    template <typename Equal> bool findLong(uint64_t hash, Equal equal) const;
    std::u16string_view longValue(Slot slot) const;
    uint64_t slotHash(Slot slot) const;

    // Misses are what most lookups are (most callsigns of a log are not members): a small filter, a byte a
    // value, turns nearly all of them away from a cache-resident word while the bucket's line, fetched
    // alongside, is needed only by hits.
    size_t filterWord(uint64_t hash) const;
    void fillFilter();
    bool mayHold(uint64_t hash) const;

    detail::ZeroedArray<Bucket> buckets_;
    detail::ZeroedArray<uint64_t> overflow_;
    detail::ZeroedArray<uint64_t> filter_;
    std::u16string chars_; // long values: length in two units, then the folded characters
    size_t count_ = 0;
};

class MemberIndex::Builder {
  public:
    // `expected` sizes the index; more values make it grow, far fewer make finish() shrink it.
    explicit Builder(size_t expected);
    void add(std::u16string_view value);
    // Adds characters U+0001 to U+00FF given one byte each, when the value fits a slot; false, and nothing
    // added, otherwise (a zero byte included), and the caller adds it in full.
    bool addNarrow(const uint8_t* chars, size_t count);
    MemberIndex finish();

  private:
    void addInline(uint64_t key);
    void insertOldest();
    // Values wait a few adds while their buckets are fetched, so that the cache misses of a large index
    // overlap instead of stalling each insert in turn.
    static constexpr size_t kAhead = 16;
    struct Pending {
        Slot slot;
        uint64_t hash;
    };
    MemberIndex index_;
    Pending pending_[kAhead];
    size_t pendingCount_ = 0;
    size_t pendingNext_ = 0;
    std::u16string scratch_;
};

} // namespace jet4
