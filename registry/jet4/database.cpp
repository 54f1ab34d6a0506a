#include "registry/jet4/case_fold.h"
#include "registry/jet4/format/catalog.h"
#include "registry/jet4/format/header_page.h"
#include "registry/jet4/header.h"
#include "registry/jet4/table_builder.h"

#include <optional>

namespace jet4 {
namespace {

struct CatalogEntry {
    std::u16string name;
    uint32_t tdefPage;
    bool system;
};

int32_t fixedValue(const Table& t, size_t row, int col) {
    if (t.isNull(row, static_cast<size_t>(col)))
        return 0;
    return static_cast<int32_t>(std::stol(t.display(row, static_cast<size_t>(col))));
}

// Local tables from MSysObjects, read through its own table definition.
std::vector<CatalogEntry> readCatalog(const PageStore& pages) {
    TableDef def = readTableDef(pages, format::catalog::kCatalogTableDefPage);
    std::vector<ColumnDef> wanted;
    for (const char16_t* name : {u"Id", u"Name", u"Type", u"Flags"})
        for (const ColumnDef& c : def.columns)
            if (equalFolded(c.column.name, name)) {
                wanted.push_back(c);
                break;
            }
    if (wanted.size() != 4 || wanted[0].column.type != ColumnType::Long ||
        wanted[1].column.type != ColumnType::Text || wanted[2].column.type != ColumnType::Integer ||
        wanted[3].column.type != ColumnType::Long)
        throw Error("malformed file: the catalog lacks its Id, Name, Type or Flags column");
    def.columns = wanted;
    const Table catalog = TableBuilder::build(pages, def);

    std::vector<CatalogEntry> entries;
    for (size_t row = 0; row < catalog.rowCount(); ++row) {
        if (catalog.isNull(row, 0) || fixedValue(catalog, row, 2) != format::catalog::kLocalTable)
            continue;
        const auto flags = static_cast<uint32_t>(fixedValue(catalog, row, 3));
        entries.push_back(
            {std::u16string(catalog.text(row, 1)),
             static_cast<uint32_t>(fixedValue(catalog, row, 0)) & format::catalog::kTableDefPageMask,
             (flags & format::catalog::kSystemObjectFlags) != 0});
    }
    return entries;
}

} // namespace

struct Database::Impl {
    Impl(Header h, std::vector<uint8_t> bytes)
        : header(std::move(h)), pages(std::move(bytes), header.encodingKey), catalog(readCatalog(pages)) {}
    Impl(Header h, const uint8_t* data, size_t size)
        : header(std::move(h)), pages(data, size, header.encodingKey), catalog(readCatalog(pages)) {}
    uint32_t tdefPage(std::u16string_view name) const;
    Header header;
    PageStore pages;
    std::vector<CatalogEntry> catalog;
};

namespace {

Header checkedHeader(const uint8_t* data, size_t size, std::u16string_view password) {
    Header header = decodeHeader(data, size);
    if (header.info.version != format::header_page::kJet4)
        throw Error(header.info.format + " files are not supported; only Jet 4 (Access 2000-2003)");
    if (!header.password.empty() && header.password != password)
        throw WrongPassword("wrong database password");
    return header;
}

} // namespace

Database::Database(std::vector<uint8_t> bytes, std::u16string_view password) {
    Header header = checkedHeader(bytes.data(), bytes.size(), password);
    impl_ = std::make_unique<Impl>(std::move(header), std::move(bytes));
}

Database::Database(const uint8_t* data, size_t size, std::u16string_view password) {
    impl_ = std::make_unique<Impl>(checkedHeader(data, size, password), data, size);
}

Database::~Database() = default;
Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;

const FileInfo& Database::info() const {
    return impl_->header.info;
}

std::vector<std::u16string> Database::tableNames() const {
    std::vector<std::u16string> names;
    for (const CatalogEntry& e : impl_->catalog)
        if (!e.system)
            names.push_back(e.name);
    return names;
}

// A user table wins over a system table of the same name.
uint32_t Database::Impl::tdefPage(std::u16string_view name) const {
    const CatalogEntry* found = nullptr;
    for (const CatalogEntry& e : catalog)
        if (equalFolded(e.name, name) && (found == nullptr || (found->system && !e.system)))
            found = &e;
    if (found == nullptr)
        throw NotFound("no table \"" + toUtf8(name) + "\" in the database");
    return found->tdefPage;
}

Table Database::table(std::u16string_view name) const {
    return TableBuilder::build(impl_->pages, readTableDef(impl_->pages, impl_->tdefPage(name)));
}

std::vector<Column> Database::columns(std::u16string_view table) const {
    std::vector<Column> columns;
    for (const ColumnDef& c : readTableDef(impl_->pages, impl_->tdefPage(table)).columns)
        columns.push_back(c.column);
    return columns;
}

MemberIndex Database::memberIndex(std::u16string_view table, size_t column) const {
    return TableBuilder::index(impl_->pages, readTableDef(impl_->pages, impl_->tdefPage(table)), column);
}

} // namespace jet4
