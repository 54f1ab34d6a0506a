// Turns a plain Jet 4 file into an "encoded" one as Access stores it: the key in the masked header and
// every page from 1 on RC4-encrypted with key ^ page number.
#pragma once

#include "registry/jet4/rc4.h"

#include <cstdint>
#include <vector>

inline std::vector<uint8_t> encodeJetFile(std::vector<uint8_t> file, uint32_t key) {
    const uint8_t headerKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
    jet4::rc4Apply(headerKey, 4, file.data() + 0x18, 128);
    for (int i = 0; i < 4; ++i)
        file[0x3E + i] = static_cast<uint8_t>(key >> (8 * i));
    jet4::rc4Apply(headerKey, 4, file.data() + 0x18, 128);
    for (size_t page = 1; page * 4096 < file.size(); ++page) {
        const uint32_t k = key ^ static_cast<uint32_t>(page);
        const uint8_t pageKey[4] = {uint8_t(k), uint8_t(k >> 8), uint8_t(k >> 16), uint8_t(k >> 24)};
        jet4::rc4Apply(pageKey, 4, file.data() + page * 4096, 4096);
    }
    return file;
}
