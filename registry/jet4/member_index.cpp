#include "registry/jet4/member_index.h"

#include "registry/jet4/case_fold.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <stdexcept>

namespace jet4 {
namespace {

// The low four bits of a slot: 1 + the length of a value packed six bits a character, kByteSlot for one
// packed a byte a character, kLongSlot for one kept apart.
constexpr uint64_t kByteSlot = 0xC;
constexpr uint64_t kLongSlot = 0xF;
constexpr size_t kInlineChars = 10;
constexpr unsigned kCharBits = 6;
// Four bits of length after the kind, then the bytes.
constexpr size_t kInlineBytes = 7;

// The 63 characters a slot holds, by their folded form: space to '@' (digits and common punctuation), the
// small Latin letters, and "[\\]_". Code 0 is none: the value is kept apart.
constexpr std::array<uint8_t, 256> makeCharCodes() {
    std::array<uint8_t, 128> ofFolded{};
    uint8_t code = 1;
    for (char c = ' '; c <= '@'; ++c)
        ofFolded[static_cast<unsigned char>(c)] = code++;
    for (char c = 'a'; c <= 'z'; ++c)
        ofFolded[static_cast<unsigned char>(c)] = code++;
    for (char c : {'[', '\\', ']', '_'})
        ofFolded[static_cast<unsigned char>(c)] = code++;
    std::array<uint8_t, 256> codes{};
    for (size_t c = 0; c < codes.size(); ++c) {
        const char16_t f = foldCase(static_cast<char16_t>(c));
        codes[c] = f < ofFolded.size() ? ofFolded[f] : 0;
    }
    return codes;
}
constexpr auto kCharCode = makeCharCodes();
static_assert(kCharCode['_'] == 63, "six bits a character");
static_assert(kCharCode[0] == 0, "a zero byte, a mode switch in stored text, never goes into a slot");
static_assert(1 + kInlineChars < kByteSlot, "the kinds of slot differ");

// The Windows-1251 byte of each folded character below U+0460 (all of its letters), 0 for none; U+0000
// has none either, for the same reason as above.
constexpr size_t kByteTableSize = 0x460;
constexpr std::array<uint8_t, kByteTableSize> makeFoldedBytes() {
    std::array<uint16_t, kByteTableSize> byteOf{};
    for (size_t b = 1; b < kCp1251.size(); ++b)
        if (kCp1251[b].ch < kByteTableSize)
            byteOf[kCp1251[b].ch] = static_cast<uint16_t>(b);
    std::array<uint8_t, kByteTableSize> folded{};
    for (size_t c = 0; c < kByteTableSize; ++c)
        folded[c] = static_cast<uint8_t>(byteOf[foldCase(static_cast<char16_t>(c))]);
    return folded;
}
constexpr auto kFoldedByte = makeFoldedBytes();

// The byte of the folded character, or 0 when the code page has none.
inline unsigned foldedByte(char16_t c) {
    if (c < kByteTableSize)
        return kFoldedByte[c];
    const char16_t f = foldCase(c);
    for (size_t b = 0x80; b < 0xC0; ++b) // punctuation and signs above U+2000
        if (kCp1251[b].ch == f)
            return static_cast<unsigned>(b);
    return 0;
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

// A value folded into an inline slot; false when it is too long or has a character a slot does not hold.
// Each folded value has one form: six bits a character when it can, else a byte a character (Cyrillic
// callsigns), else kept apart. Letter case folds in the tables.
template <typename Char> inline bool inlineKey(const Char* value, size_t n, uint64_t& key) {
    using Unit = std::make_unsigned_t<Char>;
    if (n > kInlineChars)
        return false;
    uint64_t packed = 1 + n;
    size_t i = 0;
    for (; i < n; ++i) {
        const auto c = static_cast<Unit>(value[i]);
        const unsigned code = c < kCharCode.size() ? kCharCode[c] : 0;
        if (code == 0)
            break;
        packed |= uint64_t{code} << (4 + kCharBits * i);
    }
    if (i == n) {
        key = packed;
        return true;
    }
    if (n > kInlineBytes)
        return false;
    packed = kByteSlot | uint64_t{n} << 4;
    for (i = 0; i < n; ++i) {
        const unsigned byte = foldedByte(static_cast<Unit>(value[i]));
        if (byte == 0)
            return false;
        packed |= uint64_t{byte} << (8 + 8 * i);
    }
    key = packed;
    return true;
}

inline bool inlineKey(std::u16string_view value, uint64_t& key) {
    return inlineKey(value.data(), value.size(), key);
}

inline uint64_t inlineHash(uint64_t key) {
    return mix(key);
}

// Hash of characters as `fold` turns them.
template <typename Fold> uint64_t charsHash(std::u16string_view chars, Fold fold) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (char16_t c : chars)
        h = (h ^ fold(c)) * 0x100000001B3ull;
    return mix(h);
}

// Hash of folded characters.
uint64_t longHash(std::u16string_view folded) {
    return charsHash(folded, [](char16_t c) { return c; });
}

void foldInto(std::u16string_view value, std::u16string& out) {
    out.resize(value.size());
    for (size_t i = 0; i < value.size(); ++i)
        out[i] = foldCase(value[i]);
}

constexpr uint64_t kLongTagMask = 0x0FFFFFFF;

inline uint64_t longSlot(uint64_t hash, uint32_t offset) {
    return kLongSlot | (hash & kLongTagMask) << 4 | uint64_t{offset} << 32;
}

} // namespace

// ---- Table ----

// Slots of a bucket that hold `wanted`, and the empty ones, as bit masks: one branch a bucket, not one a
// slot, which with a random number of slots taken would mostly be mispredicted.
namespace {
struct SlotMasks {
    unsigned match = 0;
    unsigned empty = 0;
};
template <typename Bucket> inline SlotMasks slotMasks(const Bucket& bucket, uint64_t wanted) {
    SlotMasks m;
    for (size_t i = 0; i < std::size(bucket.slots); ++i) {
        m.match |= static_cast<unsigned>(bucket.slots[i] == wanted) << i;
        m.empty |= static_cast<unsigned>(bucket.slots[i] == 0) << i;
    }
    return m;
}
inline unsigned lowestBit(unsigned mask) {
#if defined(__GNUC__)
    return static_cast<unsigned>(__builtin_ctz(mask));
#else
    unsigned i = 0;
    while ((mask >> i & 1) == 0)
        ++i;
    return i;
#endif
}
} // namespace

size_t MemberIndex::home(uint64_t hash) const {
    return static_cast<size_t>((hash >> 32) * buckets_.size() >> 32);
}

void MemberIndex::allocate(size_t values) {
    const size_t buckets = std::max<size_t>(1, values / kValuesPerBucket + (values % kValuesPerBucket != 0));
    if (buckets > std::numeric_limits<uint32_t>::max() / 2 || buckets > SIZE_MAX / sizeof(Bucket))
        throw std::length_error("jet4::MemberIndex: too many values");
    // New storage, not a reuse: a shrinking index must give its old capacity back.
    buckets_ = detail::ZeroedArray<Bucket>(buckets);
    overflow_ = detail::ZeroedArray<uint64_t>((buckets + 63) / 64);
    filter_ = {};
}

// Three bits of one word, all from the hash's high half as the bucket is: the word from its top bits, the
// bits from its low ones. Filled from the buckets in their order, the filter is then written in order too.
namespace {
inline uint64_t filterBits(uint32_t top) {
    return uint64_t{1} << (top & 63) | uint64_t{1} << (top >> 6 & 63) | uint64_t{1} << (top >> 12 & 63);
}
} // namespace

size_t MemberIndex::filterWord(uint64_t hash) const {
    return static_cast<size_t>((hash >> 32) * filter_.size() >> 32);
}

// Once the values are in: marked while inserting, each value would wait for one more random line.
void MemberIndex::fillFilter() {
    filter_ = detail::ZeroedArray<uint64_t>((limit() + 7) / 8);
    for (const Bucket& bucket : buckets_)
        for (const Slot slot : bucket.slots)
            if (slot != 0) {
                const uint64_t hash = slotHash(slot);
                filter_[filterWord(hash)] |= filterBits(static_cast<uint32_t>(hash >> 32));
            }
}

bool MemberIndex::mayHold(uint64_t hash) const {
    const uint64_t bits = filterBits(static_cast<uint32_t>(hash >> 32));
    return (filter_[filterWord(hash)] & bits) == bits;
}

// Room for `values`, the stored values moved over.
void MemberIndex::rehash(size_t values) {
    const detail::ZeroedArray<Bucket> old = std::move(buckets_);
    allocate(std::max(values, count_));
    for (const Bucket& bucket : old)
        for (const Slot slot : bucket.slots)
            if (slot != 0) {
                const uint64_t hash = slotHash(slot);
                for (size_t b = home(hash);; b = next(b)) {
                    const unsigned empty = slotMasks(buckets_[b], 0).empty;
                    if (empty != 0) {
                        buckets_[b].slots[lowestBit(empty)] = slot;
                        break;
                    }
                    setOverflow(b);
                }
            }
}

std::u16string_view MemberIndex::longValue(Slot slot) const {
    const auto at = static_cast<uint32_t>(slot >> 32);
    const size_t length = chars_[at] | size_t{chars_[at + 1]} << 16;
    return std::u16string_view(chars_).substr(size_t{at} + 2, length);
}

uint64_t MemberIndex::slotHash(Slot slot) const {
    return (slot & 0xF) == kLongSlot ? longHash(longValue(slot)) : inlineHash(slot);
}

bool MemberIndex::insertSlot(Slot slot, uint64_t hash) {
    if (count_ == limit())
        rehash(count_ * 2);
    bool compare = true; // past a full bucket without the flag, the value cannot be further on
    for (size_t b = home(hash);; b = next(b)) {
        Bucket& bucket = buckets_[b];
        const SlotMasks m = slotMasks(bucket, slot);
        if (compare && m.match != 0)
            return false;
        // Slots fill from the front and are never emptied: the first empty one ends the values here.
        if (m.empty != 0) {
            bucket.slots[lowestBit(m.empty)] = slot;
            ++count_;
            return true;
        }
        compare = compare && overflows(b);
        setOverflow(b);
    }
}

template <typename Equal> bool MemberIndex::findLong(uint64_t hash, Equal equal) const {
    const uint64_t tag = longSlot(hash, 0);
    for (size_t b = home(hash);; b = next(b)) {
        for (const Slot s : buckets_[b].slots) {
            if (s == 0)
                return false;
            if ((s & 0xFFFFFFFF) == tag && equal(longValue(s)))
                return true;
        }
        if (!overflows(b))
            return false;
    }
}

bool MemberIndex::insertLong(std::u16string_view folded, uint64_t hash) {
    if (findLong(hash, [&](std::u16string_view value) { return value == folded; }))
        return false;
    if (chars_.size() + 2 + folded.size() > std::numeric_limits<uint32_t>::max())
        throw std::length_error("jet4::MemberIndex: values too long");
    const Slot slot = longSlot(hash, static_cast<uint32_t>(chars_.size()));
    chars_.push_back(static_cast<char16_t>(folded.size() & 0xFFFF));
    chars_.push_back(static_cast<char16_t>(folded.size() >> 16));
    chars_.append(folded);
    return insertSlot(slot, hash);
}

bool MemberIndex::containsLong(std::u16string_view key) const {
    // Folded on the fly, so that a long key allocates nothing either.
    const uint64_t hash = charsHash(key, foldCase);
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
    uint64_t wanted;
    if (!inlineKey(key, wanted))
        return containsLong(key);
    const uint64_t hash = inlineHash(wanted);
    const size_t first = home(hash);
    prefetch(&buckets_[first]);
    if (!mayHold(hash))
        return false;
    // The answer waits for the line as data, so that a cold lookup's miss can overlap with the next one
    // instead of stalling behind a mispredicted compare.
    for (size_t b = first;; b = next(b)) {
        const SlotMasks m = slotMasks(buckets_[b], wanted);
        if ((m.match | m.empty) != 0 || !overflows(b))
            return m.match != 0;
    }
}

size_t MemberIndex::memoryUsage() const {
    return buckets_.memoryUsage() + overflow_.memoryUsage() + filter_.memoryUsage() +
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
}

// The oldest waiting value is the one pendingCount_ places before the next free place in the ring.
void MemberIndex::Builder::insertOldest() {
    const Pending& p = pending_[(pendingNext_ + kAhead - pendingCount_) % kAhead];
    index_.insertSlot(p.slot, p.hash);
    --pendingCount_;
}

void MemberIndex::Builder::add(std::u16string_view value) {
    uint64_t key;
    if (!inlineKey(value, key)) {
        foldInto(value, scratch_);
        index_.insertLong(scratch_, longHash(scratch_));
        return;
    }
    addInline(key);
}

bool MemberIndex::Builder::addNarrow(const uint8_t* chars, size_t count) {
    uint64_t key;
    if (!inlineKey(chars, count, key))
        return false;
    addInline(key);
    return true;
}

void MemberIndex::Builder::addInline(uint64_t key) {
    const uint64_t hash = inlineHash(key);
    prefetchForWrite(&index_.buckets_[index_.home(hash)]);
    if (pendingCount_ == kAhead)
        insertOldest();
    pending_[pendingNext_] = {key, hash};
    pendingNext_ = (pendingNext_ + 1) % kAhead;
    ++pendingCount_;
}

MemberIndex MemberIndex::Builder::finish() {
    while (pendingCount_ > 0)
        insertOldest();
    // Sized from row slots, which deleted rows and duplicates inflate: give back what is far from needed.
    if (index_.limit() > 2 * std::max<size_t>(index_.count_, kValuesPerBucket))
        index_.rehash(index_.count_);
    index_.chars_.shrink_to_fit();
    index_.fillFilter();
    return std::move(index_);
}

} // namespace jet4
