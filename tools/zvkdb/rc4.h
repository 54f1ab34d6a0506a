// RC4, which Jet uses to mask the database header.
#ifndef ZVKDB_RC4_H
#define ZVKDB_RC4_H

#include <cstddef>
#include <cstdint>

namespace jet4::write {

// XORs `data` in place with the RC4 keystream of `key`.
void rc4(const uint8_t* key, std::size_t keySize, uint8_t* data, std::size_t size);

} // namespace jet4::write

#endif
