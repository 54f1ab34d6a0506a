#include "registry/jet4/writer/jet4_header.h"

#include "registry/jet4/format/header_page.h"
#include "registry/jet4/format/text.h"
#include "registry/jet4/rc4.h"

#include <cmath>

namespace jet4::write {

using namespace format::header_page;

Bytes headerPage(std::u16string_view password, double creationDate) {
    Bytes page(kPageSize, 0);
    putPageType(page.data(), format::kDatabasePage);
    std::memcpy(&page[kEngineNameOffset], kJetEngineName, kEngineNameSize);
    page[kVersionOffset] = kJet4;
    put16(&page[kCodePageOffset], kWesternCodePage);
    put16(&page[kSortOrderOffset], format::text::kGeneralSortOrder);
    putDouble(&page[kCreationDateOffset], creationDate);
    // The encoding key stays 0: pages are not encrypted.

    for (std::size_t i = 0; i < password.size(); ++i)
        put16(&page[kPasswordOffset + 2 * i], password[i]);
    uint8_t mask[4];
    put32(mask, static_cast<uint32_t>(static_cast<int32_t>(std::floor(creationDate))));
    for (std::size_t i = 0; i < kPasswordSize; ++i)
        page[kPasswordOffset + i] ^= mask[i % 4];

    rc4Apply(kMaskKey, sizeof kMaskKey, &page[kMaskedOffset], kMaskedSize);
    return page;
}

} // namespace jet4::write
