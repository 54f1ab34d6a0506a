#include "registry/ado_query.h"

#include <windows.h>

#include "registry/select_statement.h"
#include "runtime/cp1251.h"
#include "runtime/exception.h"

namespace zvk {

void TADOQuery::Open() {
    Close();
    if (!Connection) {
        throw Exception("Missing Connection or ConnectionString");
    }
    if (!Connection->Connected()) {
        Connection->Open();
    }
    const std::wstring name = WideFromCp1251(SelectAllTable(SQL));
    try {
        table_.emplace(Connection->Database().table(std::u16string(name.begin(), name.end())));
    } catch (const jet4::NotFound&) {
        throw Exception("The Microsoft Jet database engine cannot find the input table or query '" +
                        Cp1251FromWide(name) + "'.");
    } catch (const jet4::Error& error) {
        throw Exception(std::string("Cannot read the member table: ") + error.what());
    }
}

void TADOQuery::Close() {
    index_.reset();
    indexedField_.clear();
    table_.reset();
}

bool TADOQuery::Locate(const std::string& KeyField, const std::string& KeyValue) noexcept {
    try {
        if (!table_) {
            return false;
        }
        if (!index_ || indexedField_ != KeyField) {
            const std::wstring field = WideFromCp1251(KeyField);
            const int column = table_->findColumn(std::u16string(field.begin(), field.end()));
            if (column < 0) {
                return false;
            }
            index_ = std::make_unique<jet4::MemberIndex>(*table_, static_cast<size_t>(column));
            indexedField_ = KeyField;
        }
        // Callsigns are short: convert on the stack, so that a lookup allocates nothing.
        wchar_t buffer[128];
        const int length = static_cast<int>(KeyValue.size());
        if (length < static_cast<int>(std::size(buffer))) {
            int chars = MultiByteToWideChar(1251, 0, KeyValue.data(), length, buffer, std::size(buffer));
            return index_->contains(std::u16string_view(reinterpret_cast<const char16_t*>(buffer), chars));
        }
        const std::wstring wide = WideFromCp1251(KeyValue);
        return index_->contains(
            std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
    } catch (...) {
        return false;
    }
}

} // namespace zvk
