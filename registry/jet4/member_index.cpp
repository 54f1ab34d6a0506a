#include "registry/jet4/member_index.h"

#include "registry/jet4/case_fold.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace jet4 {
namespace {

constexpr uint32_t kLongSlot = 0xFF;
// Bytes of a slot after its length byte.
constexpr size_t kInlineChars = 11;
// Buckets hold at most 3 values on average (of 5 slots): few overflow, so a miss mostly reads one line.
constexpr size_t kValuesPerBucket = 3;

// Folded letter case and Windows-1251 in one step, for the characters below U+0460 (all of its letters):
// 0x100 | the byte of the folded character, 0 for none.
constexpr size_t kByteTableSize = 0x460;
constexpr std::array<uint16_t, kByteTableSize> makeFoldedByteTable() {
    std::array<uint16_t, kByteTableSize> byteOf{};
    for (size_t b = 0; b < kCp1251.size(); ++b)
        if (kCp1251[b].ch < kByteTableSize)
            byteOf[kCp1251[b].ch] = static_cast<uint16_t>(0x100 | b);
    std::array<uint16_t, kByteTableSize> folded{};
    for (size_t c = 0; c < kByteTableSize; ++c)
        folded[c] = byteOf[foldCase(static_cast<char16_t>(c))];
    return folded;
}
constexpr auto kFoldedByte = makeFoldedByteTable();

// The byte of the folded character, or -1 when the code page has none.
inline int foldedByte(char16_t c) {
    if (c < kByteTableSize)
        return kFoldedByte[c] != 0 ? kFoldedByte[c] & 0xFF : -1;
    const char16_t f = foldCase(c);
    for (size_t b = 0x80; b < 0xC0; ++b) // punctuation and signs above U+2000
        if (kCp1251[b].ch == f)
            return static_cast<int>(b);
    return -1;
}

inline uint64_t mix(uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ h >> 33;
}

inline void prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

inline void prefetchForWrite(void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address, 1);
#else
    (void)address;
#endif
}

} // namespace

// ---- Keys ----

namespace {

// A value folded into the bytes of an inline slot, gathered in registers (slot words written and read
// back at once would stall on the store): the length byte and the first seven bytes low, the last four
// high. False when it is too long or has a character outside the code page.
struct InlineKey {
    uint64_t low;
    uint32_t high;
};

inline bool inlineKey(std::u16string_view value, InlineKey& key) {
    const size_t n = value.size();
    if (n > kInlineChars)
        return false;
    uint64_t low = 1 + n;
    uint32_t high = 0;
    for (size_t i = 0; i < n; ++i) {
        const int b = foldedByte(value[i]);
        if (b < 0)
            return false;
        if (i < 7)
            low |= static_cast<uint64_t>(b) << 8 * (i + 1);
        else
            high |= static_cast<uint32_t>(b) << 8 * (i - 7);
    }
    key = {low, high};
    return true;
}

inline uint64_t keyHash(InlineKey key) {
    return mix(key.low * 0x9E3779B97F4A7C15ull + key.high);
}

template <typename Slot> inline void storeKey(InlineKey key, Slot& slot) {
    slot.w[0] = static_cast<uint32_t>(key.low);
    slot.w[1] = static_cast<uint32_t>(key.low >> 32);
    slot.w[2] = key.high;
}

template <typename Slot> inline uint64_t inlineHash(const Slot& slot) {
    return keyHash({uint64_t{slot.w[1]} << 32 | slot.w[0], slot.w[2]});
}

template <typename Slot> inline bool sameSlot(const Slot& a, const Slot& b) {
    return ((a.w[0] ^ b.w[0]) | (a.w[1] ^ b.w[1]) | (a.w[2] ^ b.w[2])) == 0;
}

// Hash of folded characters.
uint64_t longHash(std::u16string_view folded) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (char16_t c : folded)
        h = (h ^ c) * 0x100000001B3ull;
    return mix(h);
}

void foldInto(std::u16string_view value, std::u16string& out) {
    out.resize(value.size());
    for (size_t i = 0; i < value.size(); ++i)
        out[i] = foldCase(value[i]);
}

} // namespace

// ---- Table ----

size_t MemberIndex::home(uint64_t hash) const {
    return static_cast<size_t>((hash >> 32) * buckets_.size() >> 32);
}

void MemberIndex::allocate(size_t values) {
    const size_t buckets = std::max<size_t>(1, values / kValuesPerBucket + (values % kValuesPerBucket != 0));
    if (buckets > std::numeric_limits<uint32_t>::max() / 2 || buckets > SIZE_MAX / sizeof(Bucket))
        throw std::length_error("jet4::MemberIndex: too many values");
    // New storage, not assign(): a shrinking index must give its old capacity back.
    if (buckets > SIZE_MAX / sizeof(Bucket) - 64)
        throw std::length_error("jet4::MemberIndex: too many values");
    buckets_ = detail::ZeroedArray<Bucket>(buckets);
    limit_ = buckets * kValuesPerBucket;
    touched_ = 0;
    filter_ = std::vector<uint64_t>((limit_ + 7) / 8, 0);
}

// Three bits of one word, all from the hash's high half as the bucket is: the word from its top bits, the
// bits from its low ones. The filter is then written region by region along with the buckets.
namespace {
inline uint64_t filterBits(uint32_t top) {
    return uint64_t{1} << (top & 63) | uint64_t{1} << (top >> 6 & 63) | uint64_t{1} << (top >> 12 & 63);
}
} // namespace

void MemberIndex::mark(uint64_t hash) {
    const auto top = static_cast<uint32_t>(hash >> 32);
    filter_[static_cast<size_t>(uint64_t{top} * filter_.size() >> 32)] |= filterBits(top);
}

bool MemberIndex::mayHold(uint64_t hash) const {
    const auto top = static_cast<uint32_t>(hash >> 32);
    const uint64_t bits = filterBits(top);
    return (filter_[static_cast<size_t>(uint64_t{top} * filter_.size() >> 32)] & bits) == bits;
}

// Room for `values`, the stored values moved over.
void MemberIndex::rehash(size_t values) {
    const detail::ZeroedArray<Bucket> old = std::move(buckets_);
    allocate(std::max(values, count_));
    for (const Bucket& bucket : old)
        for (const Slot& slot : bucket.slots)
            if (slot.w[0] != 0) {
                const uint64_t hash = slotHash(slot);
                size_t b = home(hash);
                for (;;) {
                    Bucket& into = buckets_[b];
                    size_t s = 0;
                    while (s < kSlotsPerBucket && into.slots[s].w[0] != 0)
                        ++s;
                    if (s < kSlotsPerBucket) {
                        into.slots[s] = slot;
                        mark(hash);
                        break;
                    }
                    into.overflow = 1;
                    b = b + 1 == buckets_.size() ? 0 : b + 1;
                }
            }
    touched_ = buckets_.size(); // placed anywhere, not through insertSlot
}

std::u16string_view MemberIndex::longValue(const Slot& slot) const {
    const uint32_t at = slot.w[2];
    const size_t length = chars_[at] | size_t{chars_[at + 1]} << 16;
    return std::u16string_view(chars_).substr(at + 2, length);
}

uint64_t MemberIndex::slotHash(const Slot& slot) const {
    return slot.w[0] == kLongSlot ? longHash(longValue(slot)) : inlineHash(slot);
}

bool MemberIndex::insertSlot(const Slot& slot, uint64_t hash) {
    if (count_ == limit_)
        rehash(count_ * 2);
    size_t b = home(hash);
    bool compare = true; // past a full bucket without the flag, the value cannot be further on
    for (;;) {
        Bucket& bucket = buckets_[b];
        for (Slot& s : bucket.slots) {
            if (s.w[0] == 0) {
                s = slot;
                mark(hash);
                ++count_;
                touched_ = std::max(touched_, b + 1);
                return true;
            }
            if (compare && sameSlot(s, slot))
                return false;
        }
        compare = compare && bucket.overflow != 0;
        bucket.overflow = 1;
        b = b + 1 == buckets_.size() ? 0 : b + 1;
    }
}

template <typename Equal> bool MemberIndex::findLong(uint64_t hash, Equal equal) const {
    const auto tag = static_cast<uint32_t>(hash);
    for (size_t b = home(hash);; b = b + 1 == buckets_.size() ? 0 : b + 1) {
        const Bucket& bucket = buckets_[b];
        for (const Slot& s : bucket.slots) {
            if (s.w[0] == 0)
                return false;
            if (s.w[0] == kLongSlot && s.w[1] == tag && equal(longValue(s)))
                return true;
        }
        if (bucket.overflow == 0)
            return false;
    }
}

bool MemberIndex::insertLong(std::u16string_view folded, uint64_t hash) {
    if (findLong(hash, [&](std::u16string_view value) { return value == folded; }))
        return false;
    if (chars_.size() + 2 + folded.size() > std::numeric_limits<uint32_t>::max())
        throw std::length_error("jet4::MemberIndex: values too long");
    const Slot slot{{kLongSlot, static_cast<uint32_t>(hash), static_cast<uint32_t>(chars_.size())}};
    chars_.push_back(static_cast<char16_t>(folded.size() & 0xFFFF));
    chars_.push_back(static_cast<char16_t>(folded.size() >> 16));
    chars_.append(folded);
    return insertSlot(slot, hash);
}

bool MemberIndex::containsLong(std::u16string_view key) const {
    // Folded on the fly, so that a long key allocates nothing either.
    uint64_t h = 0xCBF29CE484222325ull;
    for (char16_t c : key)
        h = (h ^ foldCase(c)) * 0x100000001B3ull;
    const uint64_t hash = mix(h);
    if (!mayHold(hash))
        return false;
    return findLong(hash, [&](std::u16string_view value) {
        if (value.size() != key.size())
            return false;
        for (size_t k = 0; k < key.size(); ++k)
            if (foldCase(key[k]) != value[k])
                return false;
        return true;
    });
}

bool MemberIndex::contains(std::u16string_view key) const {
    if (buckets_.empty())
        return false;
    InlineKey folded;
    if (!inlineKey(key, folded))
        return containsLong(key);
    const uint64_t hash = keyHash(folded);
    const size_t first = home(hash);
    prefetch(&buckets_[first]);
    if (!mayHold(hash))
        return false;
    Slot wanted;
    storeKey(folded, wanted);
    // One branch a bucket, not one a slot: the answer waits for the line as data, so that a cold lookup's
    // miss can overlap with the next one instead of stalling behind a mispredicted compare.
    for (size_t b = first;; b = b + 1 == buckets_.size() ? 0 : b + 1) {
        const Bucket& bucket = buckets_[b];
        unsigned match = 0, empty = 0;
        for (size_t i = 0; i < kSlotsPerBucket; ++i) {
            match |= static_cast<unsigned>(sameSlot(bucket.slots[i], wanted)) << i;
            empty |= static_cast<unsigned>(bucket.slots[i].w[0] == 0) << i;
        }
        if ((match | empty) != 0 || bucket.overflow == 0)
            return match != 0;
    }
}

size_t MemberIndex::memoryUsage() const {
    return buckets_.memoryUsage() + filter_.capacity() * sizeof(uint64_t) +
           chars_.capacity() * sizeof(char16_t);
}

MemberIndex::MemberIndex(const Table& table, size_t column) {
    // Table::text() is empty for other types: indexing them would make every row an empty callsign.
    if (!isText(table.columns().at(column).type))
        return;
    Builder builder(table.rowCount());
    for (size_t row = 0; row < table.rowCount(); ++row)
        if (!table.isNull(row, column))
            builder.add(table.text(row, column));
    *this = builder.finish();
}

MemberIndex::MemberIndex(const std::vector<std::u16string>& values) {
    Builder builder(values.size());
    for (const std::u16string& v : values)
        builder.add(v);
    *this = builder.finish();
}

// ---- Builder ----

MemberIndex::Builder::Builder(size_t expected) {
    index_.allocate(expected);
    // An index the caches hold anyway is written directly.
    if (index_.buckets_.size() * sizeof(Bucket) > (size_t{1} << 20)) {
        const size_t regions = size_t{1} << kRegionBits;
        perRegion_ = std::min<size_t>(expected / regions + expected / regions / 4 + 64, size_t{1} << 20);
        buffers_ = detail::ZeroedArray<Slot>(perRegion_ * regions);
        filled_.assign(regions, 0);
    }
}

// Each bucket is fetched a few values ahead of its insert, so that the cache misses overlap.
void MemberIndex::Builder::insertRegion(size_t region) {
    // A zero page is mapped for reading at its first read and copied at its first write: two faults. The
    // region's buckets that were never written are cleared first, so that each page faults once, and
    // then stay in the cache for the inserts.
    const size_t begin = std::max(index_.touched_, index_.home(uint64_t{region} << (64 - kRegionBits)));
    const size_t end = index_.home(uint64_t{region} << (64 - kRegionBits) | ~uint64_t{0} >> kRegionBits) + 1;
    if (begin < end) {
        std::memset(static_cast<void*>(&index_.buckets_[begin]), 0, (end - begin) * sizeof(Bucket));
        index_.touched_ = end;
    }
    constexpr size_t kAhead = 16;
    const Slot* values = &buffers_[region * perRegion_];
    const size_t count = filled_[region];
    for (size_t i = 0; i < count; ++i) {
        if (i + kAhead < count)
            prefetchForWrite(&index_.buckets_[index_.home(inlineHash(values[i + kAhead]))]);
        index_.insertSlot(values[i], inlineHash(values[i]));
    }
    filled_[region] = 0;
}

void MemberIndex::Builder::add(std::u16string_view value) {
    InlineKey key;
    if (!inlineKey(value, key)) {
        foldInto(value, scratch_);
        index_.insertLong(scratch_, longHash(scratch_));
        return;
    }
    const uint64_t hash = keyHash(key);
    if (perRegion_ == 0) {
        Slot slot;
        storeKey(key, slot);
        index_.insertSlot(slot, hash);
        return;
    }
    const size_t region = static_cast<size_t>(hash >> (64 - kRegionBits));
    storeKey(key, buffers_[region * perRegion_ + filled_[region]]);
    if (++filled_[region] == perRegion_)
        insertRegion(region);
}

MemberIndex MemberIndex::Builder::finish() {
    for (size_t region = 0; region < filled_.size(); ++region)
        insertRegion(region);
    buffers_ = {};
    filled_ = {};
    // Sized from row slots, which deleted rows and duplicates inflate: give back what is far from needed.
    if (index_.limit_ > 2 * std::max<size_t>(index_.count_, kValuesPerBucket))
        index_.rehash(index_.count_);
    index_.chars_.shrink_to_fit();
    return std::move(index_);
}

} // namespace jet4
