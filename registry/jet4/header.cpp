#include "registry/jet4/header.h"

#include "registry/jet4/format/header_page.h"
#include "registry/jet4/rc4.h"

#include <cmath>
#include <cstring>

namespace jet4 {

using namespace format::header_page;

namespace {

const char* formatName(int version) {
    switch (version) {
    case 0:
        return "Jet 3";
    case 1:
        return "Jet 4";
    case 2:
        return "ACE 12";
    case 3:
        return "ACE 14";
    case 4:
        return "ACE 15";
    case 5:
        return "ACE 16";
    case 6:
        return "ACE 17";
    default:
        return nullptr;
    }
}

uint32_t le32(const uint8_t* p) {
    return p[0] | p[1] << 8 | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// Jet 4 masks the stored password with the integer part of the creation date.
uint32_t passwordMask(const uint8_t* page) {
    double date;
    std::memcpy(&date, page + kCreationDateOffset, sizeof date);
    // A value outside int32 has no defined conversion; such a header carries no usable mask.
    if (!(date > -2147483649.0 && date < 2147483648.0))
        return 0;
    return static_cast<uint32_t>(static_cast<int32_t>(date));
}

std::u16string decodePassword(const uint8_t* page, int version) {
    std::u16string password;
    if (version == kJet3) {
        for (size_t i = 0; i + 1 < kJet3PasswordSize; i += 2) {
            char16_t c = static_cast<char16_t>(page[kPasswordOffset + i]);
            if (c == 0)
                break;
            password.push_back(c);
        }
        return password;
    }
    uint8_t bytes[kPasswordSize];
    std::memcpy(bytes, page + kPasswordOffset, sizeof bytes);
    const uint32_t mask = passwordMask(page);
    for (size_t i = 0; i < sizeof bytes; ++i)
        bytes[i] ^= static_cast<uint8_t>(mask >> (8 * (i % 4)));
    for (size_t i = 0; i + 1 < sizeof bytes; i += 2) {
        char16_t c = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
        if (c == 0)
            break;
        password.push_back(c);
    }
    return password;
}

} // namespace

Header decodeHeader(const uint8_t* data, size_t size) {
    if (data == nullptr || size <= kVersionOffset)
        throw Error("not a Jet database: the file is too short");
    if (data[format::kPageTypeOffset] != format::kDatabasePage ||
        (std::memcmp(data + kEngineNameOffset, kJetEngineName, kEngineNameSize) != 0 &&
         std::memcmp(data + kEngineNameOffset, kAceEngineName, kEngineNameSize) != 0))
        throw Error("not a Jet database: no Jet header on page 0");
    const int version = data[kVersionOffset];
    const char* format = formatName(version);
    if (format == nullptr)
        throw Error("unknown Jet/ACE version " + std::to_string(version));
    const size_t pageSize = version == kJet3 ? format::kJet3PageSize : kPageSize;
    if (size < pageSize)
        throw Error("not a Jet database: page 0 is truncated");

    uint8_t page[kPageSize];
    std::memcpy(page, data, pageSize);
    rc4Apply(kMaskKey, sizeof kMaskKey, page + kMaskedOffset,
             version == kJet3 ? kJet3MaskedSize : kMaskedSize);

    Header header;
    header.info.version = version;
    header.info.format = format;
    header.encodingKey = le32(page + kEncodingKeyOffset);
    header.info.encoded = header.encodingKey != 0;
    header.password = decodePassword(page, version);
    header.info.hasPassword = !header.password.empty();
    return header;
}

FileInfo probe(const uint8_t* data, size_t size) {
    return decodeHeader(data, size).info;
}

} // namespace jet4
