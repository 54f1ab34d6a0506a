// Hand-built Jet 4 pages for tests of the reader's internals.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

using Bytes = std::vector<uint8_t>;

// at(): a bad offset in a test fails loudly (and GCC's bounds analysis sees the check).
inline void put16(Bytes& b, size_t at, uint16_t v) {
    b.at(at) = static_cast<uint8_t>(v);
    b.at(at + 1) = static_cast<uint8_t>(v >> 8);
}

inline void put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<uint8_t>(v >> (8 * i));
}

// A data page owned by `owner` with the rows packed from the page end, as Access lays them out.
inline Bytes dataPage(uint32_t owner, const std::vector<Bytes>& rows) {
    Bytes page(4096, 0);
    page[0] = 0x01;
    page[1] = 0x01;
    put32(page, 4, owner);
    put16(page, 12, static_cast<uint16_t>(rows.size()));
    size_t end = page.size();
    for (size_t i = 0; i < rows.size(); ++i) {
        end -= rows[i].size();
        std::memcpy(page.data() + end, rows[i].data(), rows[i].size());
        put16(page, 14 + 2 * i, static_cast<uint16_t>(end));
    }
    return page;
}

inline Bytes concat(std::vector<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}
