// Page 0, the database definition page. From kMaskedOffset on, kMaskedSize bytes are XORed with the RC4
// keystream of a fixed key: the fields inside that range mean something only once it is removed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jet4::format::header_page {

constexpr size_t kEngineNameOffset = 0x04;
constexpr size_t kEngineNameSize = 15; // no terminator
constexpr char kJetEngineName[] = "Standard Jet DB";
constexpr char kAceEngineName[] = "Standard ACE DB";

constexpr size_t kVersionOffset = 0x14;
enum Version : uint8_t { kJet3 = 0, kJet4 = 1 }; // 2 and up: the ACE formats of Access 2007 and later

constexpr size_t kMaskedOffset = 0x18;
constexpr size_t kMaskedSize = 128;
constexpr size_t kJet3MaskedSize = 126;
constexpr uint8_t kMaskKey[4] = {0xC7, 0xDA, 0x39, 0x6B}; // 0x6B39DAC7, little-endian

// Inside the masked range:
constexpr size_t kCodePageOffset = 0x3C;
constexpr uint16_t kWesternCodePage = 1252; // what Access records on Western systems
// Non-zero: pages from 1 on are RC4-encoded with the key XOR their page number.
constexpr size_t kEncodingKeyOffset = 0x3E;
// UCS-2, NUL-padded; Jet 4 also XORs it with the whole days of the creation date (4 bytes, repeated).
constexpr size_t kPasswordOffset = 0x42;
constexpr size_t kPasswordSize = 40;
constexpr size_t kPasswordChars = kPasswordSize / 2;
constexpr size_t kJet3PasswordSize = 20;
constexpr size_t kSortOrderOffset = 0x6E;    // LCID of the database's sort order
constexpr size_t kCreationDateOffset = 0x72; // double: days since 1899-12-30

} // namespace jet4::format::header_page
