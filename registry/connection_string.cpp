#include "registry/connection_string.h"

#include "runtime/exception.h"

namespace zvk {

namespace {

wchar_t lowerAscii(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

std::wstring trim(const std::wstring& text) {
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

std::wstring lower(std::wstring text) {
    for (wchar_t& c : text) {
        c = lowerAscii(c);
    }
    return text;
}

} // namespace

bool SameKeyword(const std::wstring& a, const std::wstring& b) {
    return lower(a) == lower(b);
}

TConnectionString::TConnectionString(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size()) {
        size_t equals = text.find(L'=', i);
        size_t semicolon = text.find(L';', i);
        if (equals == std::wstring::npos || (semicolon != std::wstring::npos && semicolon < equals)) {
            if (!trim(text.substr(i, semicolon == std::wstring::npos ? std::wstring::npos : semicolon - i))
                     .empty()) {
                throw Exception("The connection string is not a list of Key=Value pairs");
            }
            if (semicolon == std::wstring::npos) {
                break;
            }
            i = semicolon + 1;
            continue;
        }
        std::wstring key = lower(trim(text.substr(i, equals - i)));
        size_t start = text.find_first_not_of(L" \t", equals + 1);
        std::wstring value;
        if (start != std::wstring::npos && (text[start] == L'"' || text[start] == L'\'')) {
            // A quoted value may hold semicolons; a doubled quote stands for itself.
            const wchar_t quote = text[start];
            size_t j = start + 1;
            for (;; ++j) {
                if (j >= text.size()) {
                    throw Exception("Unterminated quoted value in the connection string");
                }
                if (text[j] == quote) {
                    if (j + 1 < text.size() && text[j + 1] == quote) {
                        value += quote;
                        ++j;
                        continue;
                    }
                    break;
                }
                value += text[j];
            }
            semicolon = text.find(L';', j + 1);
        } else {
            semicolon = text.find(L';', equals + 1);
            value = trim(text.substr(equals + 1, semicolon == std::wstring::npos ? std::wstring::npos
                                                                                 : semicolon - equals - 1));
        }
        values_[key] = value;
        if (semicolon == std::wstring::npos) {
            break;
        }
        i = semicolon + 1;
    }
}

std::wstring TConnectionString::Value(const std::wstring& key) const {
    auto found = values_.find(lower(key));
    return found == values_.end() ? std::wstring() : found->second;
}

bool TConnectionString::Has(const std::wstring& key) const {
    return values_.count(lower(key)) != 0;
}

} // namespace zvk
