// What Windows shows of zvk.dll's file: its version resource.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

TEST(VersionResource, CarriesTheProductVersionAndTexts) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(ZVK_DLL_PATH, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(ZVK_DLL_PATH, 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(2, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(6, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(2, 2));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(6, 0));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0419);
    EXPECT_EQ(translation[1], 1251);

    auto field = [&](const char* name) {
        char* value = nullptr;
        UINT chars = 0;
        std::string path = std::string("\\StringFileInfo\\041904E3\\") + name;
        if (!VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &chars)) {
            return std::string("<missing>");
        }
        return std::string(value);
    };
    const std::pair<const char*, const char*> expected[] = {
        {"FileVersion", "2.2.0.6"},
        {"ProductVersion", "2.2"},
        {"CompanyName", "Vantor"},
        {"InternalName", "ZVK"},
        {"Comments", "\xCF\xEB\xE0\xE3\xE8\xED Brevlog"}, // Плагин Brevlog
        {"OriginalFilename", "zvk.dll"},
        {"FileDescription", ""},
        {"ProductName", ""},
        {"LegalTrademarks", ""},
    };
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(field(name), value) << name;
    }
    EXPECT_NE(field("LegalCopyright").find("Vantor"), std::string::npos);
}

} // namespace
