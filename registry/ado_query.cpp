#include "registry/ado_query.h"

#include <windows.h>

#include "registry/jet4/cp1251.h"
#include "registry/select_statement.h"
#include "runtime/cp1251.h"
#include "runtime/exception.h"

namespace zvk {

namespace {

// Lets the connection's file go when the scope ends, however it ends: only an index stays in memory, and
// a damaged file does not stay for the rest of the run after a failed open.
class FileLetGo {
  public:
    explicit FileLetGo(TADOConnection& connection) : connection_(connection) {}
    ~FileLetGo() { connection_.ReleaseFile(); }
    FileLetGo(const FileLetGo&) = delete;
    FileLetGo& operator=(const FileLetGo&) = delete;

  private:
    TADOConnection& connection_;
};

} // namespace

void TADOQuery::Open() {
    Close();
    if (!Connection) {
        throw Exception("Missing Connection or ConnectionString");
    }
    if (!Connection->Connected()) {
        Connection->Open();
    }
    const FileLetGo letGo(*Connection);
    const std::u16string name = jet4::cp1251ToUtf16(SelectAllTable(SQL));
    try {
        columns_ = Connection->Database().columns(name);
        table_ = name;
        if (!IndexFieldNames.empty()) {
            const int column = jet4::findColumn(columns_, jet4::cp1251ToUtf16(IndexFieldNames));
            if (column >= 0) {
                indexColumn(static_cast<size_t>(column));
                indexedField_ = IndexFieldNames;
            }
        }
    } catch (const jet4::NotFound&) {
        Close();
        throw Exception("The Microsoft Jet database engine cannot find the input table or query '" +
                        Cp1251FromWide(std::wstring(name.begin(), name.end())) + "'.");
    } catch (const jet4::Error& error) {
        Close();
        throw Exception(std::string("Cannot read the member table: ") + error.what());
    } catch (...) {
        Close();
        throw;
    }
    active_ = true;
}

void TADOQuery::indexColumn(size_t column) {
    const FileLetGo letGo(*Connection);
    index_ = Connection->Database().memberIndex(table_, column);
    indexedColumn_ = column;
}

void TADOQuery::Close() {
    active_ = false;
    table_.clear();
    columns_.clear();
    indexedColumn_.reset();
    indexedField_.clear();
    index_ = jet4::MemberIndex();
}

bool TADOQuery::Locate(const std::string& KeyField, const std::string& KeyValue) noexcept {
    try {
        if (!active_) {
            return false;
        }
        if (!indexedColumn_ || KeyField != indexedField_) {
            const int column = jet4::findColumn(columns_, jet4::cp1251ToUtf16(KeyField));
            if (column < 0) {
                return false;
            }
            if (indexedColumn_ != static_cast<size_t>(column)) {
                indexColumn(static_cast<size_t>(column));
            }
            indexedField_ = KeyField;
        }
        // Callsigns are short: convert on the stack, so that a lookup allocates nothing.
        wchar_t buffer[128];
        const int length = static_cast<int>(KeyValue.size());
        if (length < static_cast<int>(std::size(buffer))) {
            int chars = MultiByteToWideChar(1251, 0, KeyValue.data(), length, buffer, std::size(buffer));
            return index_.contains(std::u16string_view(reinterpret_cast<const char16_t*>(buffer), chars));
        }
        const std::wstring wide = WideFromCp1251(KeyValue);
        return index_.contains(
            std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
    } catch (...) {
        return false;
    }
}

} // namespace zvk
