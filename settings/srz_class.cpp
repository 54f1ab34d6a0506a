#include "settings/srz_class.h"

#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "runtime/cp1251.h"
#include "runtime/exception.h"
#include "runtime/handles.h"
#include "settings/property_text.h"
#include "settings/xml_dom.h"

namespace zvk {

const TPropertyTable TSrzClass::Properties;

namespace {

const std::wstring kRootName = L"Configuration";
const std::wstring kTypeAttribute = L"type";
const std::wstring kIntegerType = L"Integer";
const std::wstring kFloatType = L"Float";
const std::wstring kStringType = L"String";

// A missing file and a folder are both "no file".
bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The file's bytes; none when there are more than `limit`. Reading one byte past the limit, rather than
// asking for the size first, also bounds a file that grows while it is read. Throws when it cannot be read.
std::optional<std::string> ReadAtMost(const std::wstring& path, unsigned long limit) {
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid())
        throw Exception("the settings file cannot be opened");
    std::string bytes(limit + 1, '\0');
    DWORD total = 0;
    DWORD read = 0;
    do {
        if (!ReadFile(file.get(), &bytes[total], static_cast<DWORD>(bytes.size()) - total, &read, nullptr))
            throw Exception("the settings file cannot be read");
        total += read;
    } while (read != 0 && total < bytes.size());
    if (total > limit)
        return std::nullopt;
    bytes.resize(total);
    return bytes;
}

// Deletes the file when the scope is left, unless it was kept.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty())
            DeleteFileW(path_.c_str());
    }

    const std::wstring& path() const { return path_; }
    void Keep() { path_.clear(); }

  private:
    std::wstring path_;
};

// Puts a file holding the bytes in place of `path`. They go to a temporary file beside it first, flushed
// to disk and then moved over the old file in one step, so that a crash or a full disk part-way leaves
// the old file whole. False on any failure, with the old file as it was and no temporary file left.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    TemporaryFile temporary(path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp");
    {
        const UniqueHandle file(CreateFileW(temporary.path().c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file.valid() ||
            !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written != bytes.size() || !FlushFileBuffers(file.get()))
            return false;
    }
    if (!MoveFileExW(temporary.path().c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return false;
    temporary.Keep();
    return true;
}

// Read at every call, so a change in the regional settings applies to the next load or save.
char UserDecimalSeparator() {
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) < 2)
        return '.';
    return separator[0];
}

// Assigns one element's content. False only for an "Integer" text that does not parse. A value whose type
// does not fit the property's kind is skipped, as the "String" case already leaves non-text properties be.
bool Assign(TSrzClass& object, const TPublishedProperty& property, const std::wstring& type,
            const std::wstring& content) {
    if (type == kIntegerType) {
        const std::optional<int32_t> value = ParseOrdinal(Cp1251FromWide(content));
        if (!value)
            return false;
        if (property.SetOrdinal != nullptr)
            property.SetOrdinal(object, *value);
    } else if (type == kFloatType) {
        const double value =
            ParseFloat(Cp1251FromWide(content), UserDecimalSeparator()).value_or(kUnparsedFloat);
        if (property.SetFloat != nullptr)
            property.SetFloat(object, value);
    } else if (property.SetText != nullptr) {
        property.SetText(object, content);
    }
    return true;
}

// The element's text and type name; false for a kind that is never written.
bool ValueText(const TSrzClass& object, const TPublishedProperty& property, char separator,
               std::wstring& text, std::wstring& type) {
    if (property.GetOrdinal != nullptr) {
        text = WideFromCp1251(FormatOrdinal(property.GetOrdinal(object)));
        type = kIntegerType;
    } else if (property.GetFloat != nullptr) {
        text = WideFromCp1251(FormatFloat(property.GetFloat(object), separator));
        type = kFloatType;
    } else if (property.GetText != nullptr) {
        text = property.GetText(object);
        type = kStringType;
    } else {
        return false;
    }
    return true;
}

} // namespace

bool TSrzClass::Load(const std::string& FileName) {
    if (!FileName.empty())
        FFileName = FileName;
    const std::wstring path = WideFromCp1251(FFileName);
    if (path.empty() || !IsFile(path))
        return true;

    const ComPtr<IXMLDOMDocument> document = xml::NewDocument();
    try {
        const std::optional<std::string> bytes = ReadAtMost(path, MaxFileSize);
        if (!bytes)
            return false;
        xml::RefuseDtds(document.get());
        xml::LoadBytes(document.get(), *bytes);
        if (xml::DocumentHasDtd(document.get()))
            return false;
        const auto root = xml::DocumentElement(document.get());
        const auto configuration = xml::SelectSingleNode(root.get(), L"//" + kRootName);
        const TPropertyTable& properties = PublishedProperties();
        for (auto child = xml::FirstChild(configuration.get()); child;
             child = xml::NextSibling(child.get())) {
            const std::wstring name = xml::NodeName(child.get());
            const std::wstring type = xml::Text(xml::NamedAttribute(child.get(), kTypeAttribute).get());
            const std::wstring content = xml::Text(child.get());
            const TPublishedProperty* property = FindProperty(properties, name);
            if (property != nullptr && !Assign(*this, *property, type, content))
                return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool TSrzClass::Save() {
    const ComPtr<IXMLDOMDocument> document = xml::NewDocument();
    xml::LoadText(document.get(), L"<?xml version=\"1.0\" ?><" + kRootName + L"/>");
    const auto root = xml::DocumentElement(document.get());
    try {
        const char separator = UserDecimalSeparator();
        ForEachProperty(PublishedProperties(), [&](const TPublishedProperty& property) {
            std::wstring text, type;
            if (!ValueText(*this, property, separator, text, type))
                return;
            const auto element = xml::CreateElement(document.get(), WideFromCp1251(property.Name));
            xml::AppendChild(element.get(), xml::CreateTextNode(document.get(), text).get());
            const auto attribute = xml::CreateAttribute(document.get(), kTypeAttribute);
            xml::SetValue(attribute.get(), type);
            xml::SetAttributeNode(element.get(), attribute.get());
            xml::AppendChild(root.get(), element.get());
        });
        if (FFileName.empty())
            return false;
        return WriteWholeFile(WideFromCp1251(FFileName), xml::SaveBytes(document.get()));
    } catch (...) {
        return false;
    }
}

} // namespace zvk
