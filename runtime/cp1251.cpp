#include "runtime/cp1251.h"

#include <windows.h>
#include <climits>
#include <new>
#include <stdexcept>

namespace zvk {
namespace {
constexpr UINT kCp1251 = 1251;
} // namespace

std::wstring WideFromCp1251(const std::string& text) {
    if (text.empty())
        return std::wstring();
    if (text.size() > INT_MAX)
        throw std::length_error("text too long");
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kCp1251, 0, text.data(), size, nullptr, 0);
    if (length <= 0)
        throw std::bad_alloc(); // 1251 maps every byte, so only resources can fail here
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kCp1251, 0, text.data(), size, result.data(), length);
    return result;
}

std::string Cp1251FromWide(const std::wstring& text) {
    if (text.empty())
        return std::string();
    if (text.size() > INT_MAX)
        throw std::length_error("text too long");
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(kCp1251, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        throw std::bad_alloc();
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kCp1251, WC_NO_BEST_FIT_CHARS, text.data(), size, result.data(), length, nullptr,
                        nullptr);
    return result;
}

} // namespace zvk
