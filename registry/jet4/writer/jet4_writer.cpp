#include "registry/jet4/writer/jet4_writer.h"

#include "registry/jet4/format/catalog.h"
#include "registry/jet4/format/header_page.h"
#include "registry/jet4/format/text.h"
#include "registry/jet4/writer/jet4_data_page.h"
#include "registry/jet4/writer/jet4_header.h"
#include "registry/jet4/writer/jet4_tdef.h"
#include "registry/jet4/writer/jet4_text.h"
#include "registry/jet4/writer/jet4_usage_map.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

namespace jet4 {
namespace {

using namespace jet4::write;
using namespace format::catalog;

constexpr std::size_t kMaxCallsign = format::text::kMaxTextLength;
constexpr std::size_t kMaxPassword = format::header_page::kPasswordChars;

// Fixed page numbers; the catalog's is the one readers look for.
constexpr uint32_t kMapsPage = 1;
constexpr uint32_t kCatalogTdef = format::catalog::kCatalogTableDefPage;
constexpr uint32_t kCatalogData = 3;
constexpr uint32_t kMainTdef = 4;
constexpr uint32_t kFirstMainData = 5;

// Rows of the maps page.
enum : uint8_t { kCatalogOwned, kCatalogFree, kMainOwned, kMainFree };

constexpr uint16_t kLvPropColumn = 5;

TableDef catalogDefinition(uint32_t rowCount) {
    return TableDef{true,
                    rowCount,
                    {
                        {u"Id", ColumnType::Long, 4, false, 0, 0},
                        {u"ParentId", ColumnType::Long, 4, false, 4, 0},
                        {u"Name", ColumnType::Text, 510, true, 0, 0},
                        {u"Type", ColumnType::Integer, 2, false, 8, 0},
                        {u"Flags", ColumnType::Long, 4, false, 10, 0},
                        // Object properties; mdbtools refuses a catalog without this column.
                        {u"LvProp", ColumnType::Ole, 0, true, 0, 1},
                    },
                    rowPointer(kMapsPage, kCatalogOwned),
                    rowPointer(kMapsPage, kCatalogFree)};
}

Bytes catalogRow(uint32_t id, uint32_t parentId, std::u16string_view name, uint16_t type, uint32_t flags) {
    Bytes fixed(14, 0);
    put32(&fixed[0], id);
    put32(&fixed[4], parentId);
    put16(&fixed[8], type);
    put32(&fixed[10], flags);
    return encodeRow(6, fixed, {encodeText(name), {}}, {kLvPropColumn});
}

Bytes catalogPage() {
    DataPage page(kCatalogTdef);
    page.add(catalogRow(kTablesContainerId, kDatabaseParentId, u"Tables", kContainer, 0));
    page.add(catalogRow(kCatalogTdef, kTablesContainerId, u"MSysObjects", kLocalTable, kSystemObjectFlags));
    page.add(catalogRow(kMainTdef, kTablesContainerId, u"main", kLocalTable, 0));
    return page.bytes();
}

TableDef mainDefinition(uint32_t rowCount) {
    return TableDef{false,
                    rowCount,
                    {{u"Callsign", ColumnType::Text, 2 * kMaxCallsign, true, 0, 0}},
                    rowPointer(kMapsPage, kMainOwned),
                    rowPointer(kMapsPage, kMainFree)};
}

std::vector<Bytes> mainDataPages(const std::vector<std::u16string>& callsigns) {
    std::vector<Bytes> pages;
    DataPage current(kMainTdef);
    for (const std::u16string& callsign : callsigns) {
        const Bytes row = encodeRow(1, {}, {encodeText(callsign)});
        if (!current.fits(row.size())) {
            pages.push_back(current.bytes());
            current = DataPage(kMainTdef);
        }
        current.add(row);
    }
    if (current.rowCount() > 0)
        pages.push_back(current.bytes());
    return pages;
}

Bytes mapsPage(const std::vector<Bytes>& rows) {
    DataPage page(0);
    for (const Bytes& row : rows)
        page.add(row);
    return page.bytes();
}

double oleDateNow() {
    using namespace std::chrono;
    const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
    return 25569.0 + seconds / 86400.0; // 1970-01-01 in days since 1899-12-30
}

void validate(const std::vector<std::u16string>& callsigns, std::u16string_view password,
              double creationDate) {
    for (const std::u16string& callsign : callsigns)
        if (callsign.size() > kMaxCallsign)
            throw std::invalid_argument("callsign longer than 255 characters");
    if (password.size() > kMaxPassword)
        throw std::invalid_argument("password longer than 20 characters");
    if (password.find(u'\0') != std::u16string_view::npos)
        throw std::invalid_argument("password holds a NUL character");
    if (!(creationDate >= 1.0 && creationDate < 2958466.0)) // up to 9999-12-31
        throw std::invalid_argument("creation date out of range");
}

} // namespace

std::vector<uint8_t> writeMemberDatabase(const std::vector<std::u16string>& callsigns,
                                         std::u16string_view password) {
    return writeMemberDatabase(callsigns, password, oleDateNow());
}

std::vector<uint8_t> writeMemberDatabase(const std::vector<std::u16string>& callsigns,
                                         std::u16string_view password, double creationDate) {
    validate(callsigns, password, creationDate);

    const std::vector<Bytes> data = mainDataPages(callsigns);
    std::vector<uint32_t> dataPageNumbers;
    for (std::size_t i = 0; i < data.size(); ++i)
        dataPageNumbers.push_back(kFirstMainData + static_cast<uint32_t>(i));
    const uint32_t firstSpare = kFirstMainData + static_cast<uint32_t>(data.size());
    const UsageMap mainOwned = usageMap(dataPageNumbers, firstSpare);
    const UsageMap none = usageMap({}, 0);

    std::vector<Bytes> pages;
    pages.push_back(headerPage(password, creationDate));
    pages.push_back(mapsPage({usageMap({kCatalogData}, 0).row, none.row, mainOwned.row, none.row}));
    pages.push_back(tdefPage(catalogDefinition(3)));
    pages.push_back(catalogPage());
    pages.push_back(tdefPage(mainDefinition(static_cast<uint32_t>(callsigns.size()))));
    pages.insert(pages.end(), data.begin(), data.end());
    pages.insert(pages.end(), mainOwned.bitmapPages.begin(), mainOwned.bitmapPages.end());

    std::vector<uint8_t> file;
    file.reserve(pages.size() * kPageSize);
    for (const Bytes& page : pages)
        file.insert(file.end(), page.begin(), page.end());
    return file;
}

} // namespace jet4
