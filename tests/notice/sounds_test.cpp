// The six embedded sounds: which one each kind plays, how it is played, and what each WAV image holds.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "notice/hint_sound.h"
#include "notice/manual_hint.h"

using namespace zvk;

namespace {

struct Played {
    const char* image = nullptr;
    HMODULE module = nullptr;
    DWORD flags = 0;
    int calls = 0;
};
Played played;

BOOL WINAPI RecordSound(LPCSTR sound, HMODULE module, DWORD flags) {
    played = Played{sound, module, flags, played.calls + 1};
    return TRUE;
}

uint32_t U32(const char* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
uint16_t U16(const char* p) {
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

struct Expected {
    TSoundType type;
    uint32_t rate, samples, imageSize;
    double peakDb;
    bool list;
};

class Sounds : public ::testing::Test {
  protected:
    void SetUp() override {
        played = Played{};
        PlaySoundSeam = &RecordSound;
    }
    void TearDown() override { PlaySoundSeam = &PlaySoundA; }
};

TEST_F(Sounds, EachKindPlaysItsImageFromMemoryAsTheTableSays) {
    const Expected table[] = {
        {stStandart, 22050, 3178, 6400, -18.0, false}, {stStandartEx, 11025, 1272, 2588, -22.0, false},
        {stInfo, 22050, 2196, 4472, -4.0, true},       {stInfoEx, 22050, 18296, 36636, -15.0, false},
        {stError, 22050, 19669, 39382, -3.0, false},   {stErrorEx, 22050, 18433, 36910, -0.2, false},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(static_cast<int>(e.type));
        TManualHint hint;
        hint.SetSoundType(e.type);
        const int before = played.calls;
        hint.PlayHintSound();
        ASSERT_EQ(played.calls, before + 1);
        EXPECT_EQ(played.flags, static_cast<DWORD>(SND_ASYNC | SND_NODEFAULT | SND_MEMORY));
        EXPECT_EQ(played.module, nullptr);
        const char* wav = played.image;
        ASSERT_NE(wav, nullptr);
        ASSERT_EQ(std::string(wav, 4), "RIFF");
        EXPECT_EQ(U32(wav + 4) + 8, e.imageSize);
        EXPECT_EQ(std::string(wav + 8, 8), "WAVEfmt ");
        EXPECT_EQ(U32(wav + 16), 16u);
        EXPECT_EQ(U16(wav + 20), 1) << "PCM";
        EXPECT_EQ(U16(wav + 22), 1) << "mono";
        EXPECT_EQ(U32(wav + 24), e.rate);
        EXPECT_EQ(U32(wav + 28), e.rate * 2);
        EXPECT_EQ(U16(wav + 32), 2);
        EXPECT_EQ(U16(wav + 34), 16);
        ASSERT_EQ(std::string(wav + 36, 4), "data");
        const uint32_t dataSize = U32(wav + 40);
        EXPECT_EQ(dataSize, e.samples * 2);
        int peak = 0;
        for (uint32_t i = 0; i < e.samples; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(static_cast<int16_t>(U16(wav + 44 + 2 * i)))));
        }
        EXPECT_NEAR(20 * std::log10(peak / 32767.0), e.peakDb, 0.05);
        EXPECT_EQ(44 + dataSize < e.imageSize, e.list);
        if (e.list) {
            EXPECT_EQ(std::string(wav + 44 + dataSize, 4), "LIST") << "a LIST chunk after the data";
        }
    }
}

TEST_F(Sounds, ResourcesAreRussianAndAnUnknownKindPlaysTheFirst) {
    for (int id = 101; id <= 106; ++id) {
        EXPECT_NE(FindResourceExA(GetModuleHandleA(nullptr), "SOUND", MAKEINTRESOURCEA(id),
                                  MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)),
                  nullptr)
            << id;
    }
    EXPECT_EQ(SoundResourceId(static_cast<TSoundType>(6)), 101);
    EXPECT_EQ(SoundResourceId(static_cast<TSoundType>(200)), 101);
}

} // namespace
