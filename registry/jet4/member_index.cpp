#include "registry/jet4/member_index.h"

#include "registry/jet4/case_fold.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

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
    // Table::text() is empty for other types: indexing them would make every row an empty callsign.
    if (!isText(table.columns().at(column).type))
        return;
    size_t chars = 0;
    for (size_t row = 0; row < table.rowCount(); ++row)
        chars += table.text(row, column).size();
    reserve(table.rowCount(), chars);
    for (size_t row = 0; row < table.rowCount(); ++row)
        if (!table.isNull(row, column))
            insert(table.text(row, column));
}

MemberIndex::MemberIndex(const std::vector<std::u16string>& values) {
    size_t chars = 0;
    for (const std::u16string& v : values)
        chars += v.size();
    reserve(values.size(), chars);
    for (const std::u16string& v : values)
        insert(v);
}

void MemberIndex::reserve(size_t count, size_t chars) {
    // At most 70 % full, sized exactly (not to a power of two) to keep memory per member low.
    if (count > std::numeric_limits<uint32_t>::max() / 2)
        throw std::length_error("jet4::MemberIndex: too many values");
    slots_.assign(std::max<size_t>(16, static_cast<size_t>(uint64_t{count} * 10 / 7 + 1)), 0);
    ends_.reserve(count);
    chars_.reserve(chars);
}

std::u16string_view MemberIndex::value(uint32_t index) const {
    const size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::u16string_view(chars_).substr(begin, ends_[index] - begin);
}

size_t MemberIndex::findSlot(std::u16string_view key, uint64_t hash) const {
    const size_t capacity = slots_.size();
    const uint64_t tag = hash & 0xFFFFFFFF00000000ull;
    for (size_t i = static_cast<size_t>((hash & 0xFFFFFFFFu) * capacity >> 32);;
         i = i + 1 == capacity ? 0 : i + 1) {
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
        uint64_t{ends_.size()} + 1 > uint64_t{slots_.size()} * 7 / 10)
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
