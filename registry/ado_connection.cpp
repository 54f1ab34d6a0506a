#include "registry/ado_connection.h"

#include <windows.h>

#include <cstdint>
#include <memory>

#include "registry/connection_string.h"
#include "runtime/cp1251.h"
#include "runtime/exception.h"
#include "runtime/handles.h"

namespace zvk {

namespace {

const wchar_t* const JetProvider = L"Microsoft.Jet.OLEDB.4.0";
constexpr uint64_t MaxDatabaseSize = 2ull << 30; // the largest file Jet 4.0 makes

std::u16string utf16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

// Every mode part must leave the file unwritten.
void checkReadOnlyMode(const std::wstring& mode) {
    size_t start = 0;
    while (start <= mode.size()) {
        size_t bar = mode.find(L'|', start);
        std::wstring part = mode.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start);
        while (!part.empty() && part.front() == L' ') {
            part.erase(part.begin());
        }
        while (!part.empty() && part.back() == L' ') {
            part.pop_back();
        }
        const bool allowed = SameKeyword(part, L"Read") || SameKeyword(part, L"Share Deny None") ||
                             SameKeyword(part, L"Share Deny Write") ||
                             SameKeyword(part, L"Share Deny Read") || SameKeyword(part, L"Share Exclusive");
        if (!allowed) {
            throw Exception("The member database is opened read-only; mode '" + Cp1251FromWide(mode) +
                            "' is not supported");
        }
        if (bar == std::wstring::npos) {
            break;
        }
        start = bar + 1;
    }
}

// Not cleared first: ReadFile fills every byte, and clearing 20 MB would only touch its pages twice.
struct FileBytes {
    std::unique_ptr<uint8_t[]> data;
    size_t size = 0;
};

FileBytes readWholeFile(const std::wstring& path) {
    // Others may keep the file open, even for writing: Access does while someone edits the list.
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        throw Exception("Could not find file '" + Cp1251FromWide(path) + "'.");
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || static_cast<uint64_t>(size.QuadPart) > MaxDatabaseSize) {
        throw Exception("Unrecognized database format '" + Cp1251FromWide(path) + "'.");
    }
    FileBytes bytes{std::unique_ptr<uint8_t[]>(new uint8_t[static_cast<size_t>(size.QuadPart)]),
                    static_cast<size_t>(size.QuadPart)};
    size_t done = 0;
    while (done < bytes.size) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size - done, 1u << 24));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data.get() + done, chunk, &read, nullptr) || read == 0) {
            throw Exception("Cannot read the file '" + Cp1251FromWide(path) + "'.");
        }
        done += read;
    }
    return bytes;
}

} // namespace

void TADOConnection::Open() {
    Close();
    TConnectionString settings(ConnectionString);
    if (!SameKeyword(settings.Value(L"Provider"), JetProvider)) {
        throw Exception("Provider cannot be found. It may not be properly installed.");
    }
    if (settings.Has(L"Mode")) {
        checkReadOnlyMode(settings.Value(L"Mode"));
    }
    const std::wstring user = settings.Value(L"User ID");
    if (!user.empty() && !SameKeyword(user, L"Admin")) {
        throw Exception("Not a valid account name or password.");
    }
    path_ = settings.Value(L"Data Source");
    if (path_.empty()) {
        throw Exception("Could not find file ''.");
    }
    password_ = utf16(settings.Value(L"Jet OLEDB:Database Password"));
    readFile();
    connected_ = true;
}

void TADOConnection::readFile() {
    FileBytes bytes = readWholeFile(path_);
    try {
        database_ = std::make_unique<jet4::Database>(bytes.data.get(), bytes.size, password_);
        file_ = std::move(bytes.data);
    } catch (const jet4::WrongPassword&) {
        throw Exception("Not a valid password.");
    } catch (const jet4::Error& error) {
        throw Exception("Unrecognized database format '" + Cp1251FromWide(path_) + "': " + error.what());
    }
}

void TADOConnection::Close() {
    ReleaseFile();
    connected_ = false;
    path_.clear();
    password_.clear();
}

const jet4::Database& TADOConnection::Database() {
    if (!connected_) {
        throw Exception("Operation is not allowed when the object is closed.");
    }
    if (!database_) {
        readFile();
    }
    return *database_;
}

} // namespace zvk
