#include "runtime/module.h"

#include "runtime/exception.h"

namespace zvk {

HINSTANCE thisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&thisModule), &module);
    return module;
}

std::string loadResourceString(UINT id) {
    // The W call and an explicit conversion: LoadStringA would follow the system's ANSI code page.
    const wchar_t* text = nullptr;
    int length = LoadStringW(thisModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        throw Exception("Resource string " + std::to_string(id) + " not found");
    }
    int size = WideCharToMultiByte(1251, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(1251, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}

} // namespace zvk
