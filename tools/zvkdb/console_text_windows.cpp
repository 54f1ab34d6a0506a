#include "console_text.h"

#include "utf8_text.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <memory>

namespace zvkdb {
namespace {

constexpr UINT kCyrillicCodePage = 1251;

struct LocalFreer {
    void operator()(LPWSTR* p) const { LocalFree(p); }
};

} // namespace

std::vector<std::string> utf8Arguments(int, char**) {
    int count = 0;
    std::unique_ptr<LPWSTR, LocalFreer> wide(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) {
        static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");
        args.push_back(encodeUtf8(reinterpret_cast<const char16_t*>(wide.get()[i])));
    }
    return args;
}

std::string consoleText(std::u16string_view text) {
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(kCyrillicCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(kCyrillicCodePage, 0, wide, length, out.data(), size, nullptr, nullptr);
    return out;
}

void makeInputBinary() {
    _setmode(_fileno(stdin), _O_BINARY);
}

void makeOutputBinary() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

} // namespace zvkdb
