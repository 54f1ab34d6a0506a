// RC4 as Jet uses it: to de-obfuscate the header of page 0 and to decode the pages of encoded files.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jet4 {

// XORs data in place with the RC4 keystream for the key.
void rc4Apply(const uint8_t* key, size_t keyLength, uint8_t* data, size_t size);

} // namespace jet4
