#include "registry/jet4/writer/jet4_header.h"

#include "registry/jet4/rc4.h"

#include <cmath>

namespace jet4::write {
namespace {

constexpr std::size_t kMaskedStart = 0x18;
constexpr std::size_t kMaskedSize = 128;
constexpr uint8_t kHeaderKey[4] = {0xC7, 0xDA, 0x39, 0x6B};

constexpr std::size_t kVersion = 0x14;
constexpr std::size_t kCodePage = 0x3C;
constexpr std::size_t kPassword = 0x42;
constexpr std::size_t kPasswordBytes = 40;
constexpr std::size_t kSortOrder = 0x6E;
constexpr std::size_t kCreationDate = 0x72;

} // namespace

Bytes headerPage(std::u16string_view password, double creationDate) {
    Bytes page(kPageSize, 0);
    putPageType(page.data(), format::kDatabasePage);
    std::memcpy(&page[4], "Standard Jet DB", 15);
    page[kVersion] = 0x01; // Jet 4.0
    put16(&page[kCodePage], 1252);
    put16(&page[kSortOrder], 1033);
    putDouble(&page[kCreationDate], creationDate);
    // The encoding key at 0x3E stays 0: pages are not encrypted.

    for (std::size_t i = 0; i < password.size(); ++i)
        put16(&page[kPassword + 2 * i], password[i]);
    uint8_t mask[4];
    put32(mask, static_cast<uint32_t>(static_cast<int32_t>(std::floor(creationDate))));
    for (std::size_t i = 0; i < kPasswordBytes; ++i)
        page[kPassword + i] ^= mask[i % 4];

    rc4Apply(kHeaderKey, sizeof kHeaderKey, &page[kMaskedStart], kMaskedSize);
    return page;
}

} // namespace jet4::write
