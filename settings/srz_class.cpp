#include "settings/srz_class.h"

#include <windows.h>
#include <cstdint>
#include <optional>

#include "runtime/cp1251.h"
#include "settings/property_text.h"
#include "settings/xml_dom.h"

namespace zvk {

const TPropertyTable TSrzClass::Properties;

namespace {

// Settings files are a few hundred bytes; anything this large is not one, and is not handed to the parser.
constexpr uint64_t kMaxFileSize = 1024 * 1024;

const std::wstring kRootName = L"Configuration";
const std::wstring kTypeAttribute = L"type";
const std::wstring kIntegerType = L"Integer";
const std::wstring kFloatType = L"Float";
const std::wstring kStringType = L"String";

// The size of the regular file at the path; none for a missing file or a folder.
std::optional<uint64_t> RegularFileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
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
    const std::optional<uint64_t> size = path.empty() ? std::nullopt : RegularFileSize(path);
    if (!size)
        return true;

    const ComPtr<IXMLDOMDocument> document = xml::NewDocument();
    try {
        if (*size > kMaxFileSize)
            return false;
        xml::RefuseDtds(document.get());
        xml::LoadFile(document.get(), path);
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
        xml::SaveFile(document.get(), WideFromCp1251(FFileName));
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace zvk
