// Membership test over one text column: whole-value equality ignoring letter case (see case_fold.h).
#pragma once

#include "registry/jet4/jet4_reader.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace jet4 {

namespace detail {

// Zero-filled storage aligned to cache lines, from calloc: a large block comes from the system as zero
// pages, so the index is not written once to clear it and again to fill it.
template <typename T> class ZeroedArray {
  public:
    ZeroedArray() = default;
    explicit ZeroedArray(size_t count) {
        if (count == 0)
            return;
        memory_.reset(std::calloc(count * sizeof(T) + kAlign, 1));
        if (!memory_)
            throw std::bad_alloc();
        const auto at = reinterpret_cast<uintptr_t>(memory_.get());
        data_ = reinterpret_cast<T*>((at + kAlign - 1) / kAlign * kAlign);
        size_ = count;
    }
    ZeroedArray(ZeroedArray&& other) noexcept { *this = std::move(other); }
    ZeroedArray& operator=(ZeroedArray&& other) noexcept {
        memory_ = std::move(other.memory_);
        data_ = other.data_;
        size_ = other.size_;
        other.data_ = nullptr;
        other.size_ = 0;
        return *this;
    }
    T& operator[](size_t i) { return data_[i]; }
    const T& operator[](size_t i) const { return data_[i]; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    size_t memoryUsage() const { return size_ == 0 ? 0 : size_ * sizeof(T) + kAlign; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }

  private:
    static constexpr size_t kAlign = 64;
    struct Free {
        void operator()(void* p) const { std::free(p); }
    };
    std::unique_ptr<void, Free> memory_;
    T* data_ = nullptr;
    size_t size_ = 0;
};

} // namespace detail

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
    static_assert(sizeof(Bucket) == 64 && std::is_trivially_copyable_v<Bucket>,
                  "a bucket is one cache line of plain data");

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

    detail::ZeroedArray<Bucket> buckets_;
    std::vector<uint64_t> filter_;
    std::u16string chars_; // long values: length in two units, then the folded characters
    size_t count_ = 0;
    size_t limit_ = 0;   // values the buckets take before they must grow
    size_t touched_ = 0; // buckets from here on have never been written
};

class MemberIndex::Builder {
  public:
    // `expected` sizes the index; more values make it grow, far fewer make finish() shrink it.
    explicit Builder(size_t expected);
    void add(std::u16string_view value);
    MemberIndex finish();

  private:
    void insertRegion(size_t region);
    // A large index is written a region at a time: values wait in a buffer per region of the index (sized
    // from the estimate, so that each region mostly goes in once, at the end), and a region's inserts
    // then stay within a few hundred kilobytes that the caches and the address translation keep, instead
    // of jumping across the whole index.
    static constexpr unsigned kRegionBits = 6;
    MemberIndex index_;
    size_t perRegion_ = 0;              // 0: values go straight in
    detail::ZeroedArray<Slot> buffers_; // written as values come, so its pages are faulted in only then
    std::vector<size_t> filled_;
    std::u16string scratch_;
};

} // namespace jet4
