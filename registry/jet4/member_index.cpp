#include "registry/jet4/member_index.h"

#include "registry/jet4/case_fold.h"

#include <limits>

namespace jet4 {
namespace {

uint64_t foldedHash(std::u16string_view text) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (char16_t c : text)
        h = (h ^ foldCase(c)) * 0x100000001B3ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ h >> 32;
}

} // namespace

MemberIndex::MemberIndex(const Table& table, size_t column) {
    reserve(table.rowCount());
    for (size_t row = 0; row < table.rowCount(); ++row)
        if (!table.isNull(row, column))
            insert(table.text(row, column));
}

MemberIndex::MemberIndex(const std::vector<std::u16string>& values) {
    reserve(values.size());
    for (const std::u16string& v : values)
        insert(v);
}

void MemberIndex::reserve(size_t count) {
    // Power of two, at most about 70 % full.
    size_t capacity = 16;
    while (capacity * 7 / 10 < count)
        capacity *= 2;
    slots_.assign(capacity, 0);
}

std::u16string_view MemberIndex::value(uint32_t index) const {
    const size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::u16string_view(chars_).substr(begin, ends_[index] - begin);
}

size_t MemberIndex::findSlot(std::u16string_view key, uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    const uint64_t tag = hash & 0xFFFFFFFF00000000ull;
    for (size_t i = static_cast<size_t>(hash) & mask;; i = (i + 1) & mask) {
        const uint64_t slot = slots_[i];
        if (slot == 0)
            return i;
        if ((slot & 0xFFFFFFFF00000000ull) != tag)
            continue;
        const std::u16string_view stored = value(static_cast<uint32_t>(slot) - 1);
        if (stored.size() != key.size())
            continue;
        size_t k = 0;
        while (k < key.size() && foldCase(key[k]) == stored[k])
            ++k;
        if (k == key.size())
            return i;
    }
}

void MemberIndex::insert(std::u16string_view v) {
    const uint64_t hash = foldedHash(v);
    const size_t slot = findSlot(v, hash);
    if (slots_[slot] != 0)
        return;
    if (chars_.size() + v.size() > std::numeric_limits<uint32_t>::max() ||
        ends_.size() + 1 > slots_.size() * 7 / 10)
        throw std::length_error("jet4::MemberIndex: too many values");
    for (char16_t c : v)
        chars_.push_back(foldCase(c));
    ends_.push_back(static_cast<uint32_t>(chars_.size()));
    slots_[slot] = (hash & 0xFFFFFFFF00000000ull) | ends_.size();
}

bool MemberIndex::contains(std::u16string_view key) const {
    if (slots_.empty())
        return false;
    return slots_[findSlot(key, foldedHash(key))] != 0;
}

size_t MemberIndex::memoryUsage() const {
    return chars_.capacity() * sizeof(char16_t) + ends_.capacity() * sizeof(uint32_t) +
           slots_.capacity() * sizeof(uint64_t);
}

} // namespace jet4
