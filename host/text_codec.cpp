#include "host/text_codec.h"

#include <objbase.h>
#include <string.h>

namespace brevlog {

std::wstring WideFrom(const std::string& text, UINT codePage) {
    if (text.empty())
        return {};
    int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string NarrowFrom(const std::wstring& text, UINT codePage) {
    if (text.empty())
        return {};
    int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                        nullptr, nullptr);
    return narrow;
}

char* CoTaskMemCopy(const std::string& text) {
    auto* copy = static_cast<char*>(CoTaskMemAlloc(text.size() + 1));
    if (copy)
        memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

std::string WindowText1251(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return NarrowFrom(text, kCyrillicCodePage);
}

} // namespace brevlog
