#include "registry/jet4/rc4.h"

#include <utility>

namespace jet4 {

void rc4Apply(const uint8_t* key, size_t keyLength, uint8_t* data, size_t size) {
    uint8_t s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<uint8_t>(i);
    uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<uint8_t>(j + s[i] + key[i % keyLength]);
        std::swap(s[i], s[j]);
    }
    uint8_t a = 0, b = 0;
    for (size_t n = 0; n < size; ++n) {
        a = static_cast<uint8_t>(a + 1);
        b = static_cast<uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        data[n] ^= s[static_cast<uint8_t>(s[a] + s[b])];
    }
}

} // namespace jet4
