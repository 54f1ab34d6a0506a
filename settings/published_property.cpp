#include "settings/published_property.h"

namespace zvk {
namespace {

wchar_t AsciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool SameName(const char* declared, std::wstring_view name) {
    std::size_t i = 0;
    for (; declared[i] != '\0'; ++i) {
        if (i == name.size() ||
            AsciiLower(static_cast<wchar_t>(static_cast<unsigned char>(declared[i]))) != AsciiLower(name[i]))
            return false;
    }
    return i == name.size();
}

} // namespace

const TPublishedProperty* FindProperty(const TPropertyTable& table, std::wstring_view name) {
    const TPublishedProperty* found = nullptr;
    ForEachProperty(table, [&](const TPublishedProperty& property) {
        if (found == nullptr && SameName(property.Name, name))
            found = &property;
    });
    return found;
}

} // namespace zvk
