#include "registry/jet4/page_store.h"

#include "registry/jet4/header.h"
#include "registry/jet4/rc4.h"

#include <string>

namespace jet4 {
PageStore::PageStore(std::vector<uint8_t> bytes, uint32_t encodingKey)
    : owned_(std::move(bytes)), data_(owned_.data()), fileSize_(owned_.size()) {
    open(encodingKey);
}

PageStore::PageStore(const uint8_t* data, size_t size, uint32_t encodingKey) : data_(data), fileSize_(size) {
    if (encodingKey != 0) {
        owned_.assign(data, data + size);
        data_ = owned_.data();
    }
    open(encodingKey);
}

void PageStore::open(uint32_t encodingKey) {
    // Jet writes whole pages only. Anything else was cut short (or grown) by something else, and reading
    // on would turn the missing rows into empty ones: a smaller member list instead of an error.
    if (fileSize_ % kPageSize != 0)
        throw Error("malformed file: its length, " + std::to_string(fileSize_) +
                    " bytes, is not a whole number of pages (cut short?)");
    const size_t pages = fileSize_ / kPageSize;
    if (pages > format::kMaxPageNumber) // row pointers address 24-bit page numbers
        throw Error("file too large for Jet 4");
    pageCount_ = static_cast<uint32_t>(pages);
    if (encodingKey != 0) {
        for (uint32_t n = 1; n < pageCount_; ++n) {
            const uint32_t k = encodingKey ^ n;
            const uint8_t key[4] = {static_cast<uint8_t>(k), static_cast<uint8_t>(k >> 8),
                                    static_cast<uint8_t>(k >> 16), static_cast<uint8_t>(k >> 24)};
            rc4Apply(key, sizeof key, owned_.data() + size_t{n} * kPageSize, kPageSize);
        }
    }
}

ByteView PageStore::page(uint32_t number) const {
    if (number >= pageCount_)
        throw Error("malformed file: page " + std::to_string(number) + " is beyond the end of the file");
    return ByteView(data_ + size_t{number} * kPageSize, kPageSize);
}

ByteView PageStore::page(uint32_t number, PageType type) const {
    ByteView p = page(number);
    if (p.u8(format::kPageTypeOffset) != type)
        throw Error("malformed file: page " + std::to_string(number) + " is not of the expected type");
    return p;
}

} // namespace jet4
