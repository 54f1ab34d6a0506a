#include "rc4.h"

#include <utility>

namespace jet4::write {

void rc4(const uint8_t* key, std::size_t keySize, uint8_t* data, std::size_t size) {
    uint8_t s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<uint8_t>(i);
    uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<uint8_t>(j + s[i] + key[i % keySize]);
        std::swap(s[i], s[j]);
    }
    uint8_t i = 0;
    j = 0;
    for (std::size_t n = 0; n < size; ++n) {
        i = static_cast<uint8_t>(i + 1);
        j = static_cast<uint8_t>(j + s[i]);
        std::swap(s[i], s[j]);
        data[n] ^= s[static_cast<uint8_t>(s[i] + s[j])];
    }
}

} // namespace jet4::write
