// The writer's database header compared with one Access wrote, and the limits it enforces.
#include "temp_dir.h"
#include "registry/jet4/writer/jet4_writer.h"
#include "registry/jet4/rc4.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace {

constexpr std::size_t kMaskedStart = 0x18, kMaskedSize = 128;

std::vector<uint8_t> unmaskedHeader(std::vector<uint8_t> file) {
    const uint8_t key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    file.resize(4096);
    jet4::rc4Apply(key, sizeof key, &file[kMaskedStart], kMaskedSize);
    return file;
}

TEST(WriterHeader, Rc4KeystreamStartsAsPublished) {
    std::vector<uint8_t> zeros(8, 0);
    const uint8_t key[4] = {0xC7, 0xDA, 0x39, 0x6B};
    jet4::rc4Apply(key, sizeof key, zeros.data(), zeros.size());
    EXPECT_EQ(zeros, (std::vector<uint8_t>{0xB5, 0x6F, 0x03, 0x62, 0x61, 0x08, 0xC2, 0x55}));
}

// Access stored the password "password" in this file; with the same creation date our masked password,
// date, code page and sort order must be byte for byte the same.
TEST(WriterHeader, PasswordFieldsMatchAFileAccessWrote) {
    const std::filesystem::path sample =
        std::filesystem::path(ZVK_MDB_FIXTURES) / "mdbreader_V2003_with-password.mdb";
    if (!std::filesystem::exists(sample))
        GTEST_SKIP() << "sample file absent: " << sample;
    const std::vector<uint8_t> access = readFile(sample);
    ASSERT_GE(access.size(), 4096u);
    double created = 0;
    std::memcpy(&created, &unmaskedHeader(access)[0x72], sizeof created);

    const std::vector<uint8_t> ours = jet4::writeMemberDatabase({}, u"password", created);

    const auto same = [&](std::size_t offset, std::size_t size) {
        return std::equal(&ours[offset], &ours[offset + size], &access[offset]);
    };
    EXPECT_TRUE(same(0x00, 0x18)) << "page type, engine name, version";
    EXPECT_TRUE(same(0x3C, 2)) << "code page";
    EXPECT_TRUE(same(0x42, 40)) << "password";
    EXPECT_TRUE(same(0x6E, 2)) << "sort order";
    EXPECT_TRUE(same(0x72, 8)) << "creation date";
}

TEST(WriterHeader, WholeDaysOfTheCreationDateMaskThePassword) {
    // Without a password the field holds just the mask: the date's whole days, repeated.
    const std::vector<uint8_t> header = unmaskedHeader(jet4::writeMemberDatabase({}, u"", 44568.9));
    for (std::size_t i = 0; i < 40; i += 4)
        EXPECT_EQ(std::vector<uint8_t>(&header[0x42 + i], &header[0x46 + i]),
                  (std::vector<uint8_t>{0x18, 0xAE, 0x00, 0x00}));
}

TEST(WriterLimits, CallsignsUpTo255UnitsAndPasswordsUpTo20) {
    EXPECT_NO_THROW(jet4::writeMemberDatabase({std::u16string(255, u'Ж')}, std::u16string(20, u'п')));
    EXPECT_THROW(jet4::writeMemberDatabase({u"K1", std::u16string(256, u'W')}, u""), std::invalid_argument);
    EXPECT_THROW(jet4::writeMemberDatabase({u"K1"}, std::u16string(21, u'p')), std::invalid_argument);
    // Readers cut the password at the first NUL, so such a password could never be given back.
    EXPECT_THROW(jet4::writeMemberDatabase({u"K1"}, std::u16string(u"ab\0c", 4)), std::invalid_argument);
}

} // namespace
