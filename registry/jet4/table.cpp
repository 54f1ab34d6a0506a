#include "registry/jet4/table_builder.h"

#include "registry/jet4/case_fold.h"
#include "registry/jet4/format/text.h"
#include "registry/jet4/long_value.h"
#include "registry/jet4/row_fields.h"
#include "registry/jet4/row_scan.h"
#include "registry/jet4/text_codec.h"
#include "registry/jet4/usage_map.h"
#include "registry/jet4/value_display.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace jet4 {
namespace {

struct SlotCount {
    size_t slots = 0;
    size_t rowBytes = 0;
};

// Row slots and row bytes of the table's pages: an upper bound of its live rows, read from page headers.
SlotCount countSlots(const PageStore& pages, const TableDef& def, const std::vector<uint32_t>& owned) {
    using format::data_page::kRowOffsetMask;
    using format::data_page::rowSlotOffset;
    SlotCount count;
    for (uint32_t number : owned) {
        const ByteView page = pages.page(number);
        if (!ownedDataPage(page, def.page))
            continue;
        const unsigned n = rowSlotCount(page);
        count.slots += n;
        count.rowBytes +=
            n == 0 ? 0
                   : page.size() -
                         std::min<size_t>(page.size(), page.u16(rowSlotOffset(n - 1)) & kRowOffsetMask);
    }
    return count;
}

// Growing arenas row by row would copy them several times: reserve from the row slots and row bytes of the
// table's pages (a hint; compressed text has one character per byte, UCS-2 one per two).
void reserveFor(const PageStore& pages, const TableDef& def, const std::vector<uint32_t>& owned,
                std::vector<Table::ColumnData>& data) {
    const SlotCount count = countSlots(pages, def, owned);
    size_t textColumns = 0;
    for (const ColumnDef& c : def.columns)
        textColumns += isText(c.column.type);
    // Slots may be many empty rows of a wide table; reserve only what the file's size could justify.
    const bool reserveRows = count.slots <= pages.fileSize() / std::max<size_t>(1, data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        if (reserveRows) {
            data[i].ends.reserve(count.slots);
            data[i].present.reserve(count.slots / 64 + 1);
        }
        if (isText(def.columns[i].column.type))
            data[i].chars.reserve(count.rowBytes / textColumns / 2);
    }
}

template <typename V> void trim(V& v) {
    if (v.capacity() > v.size() + v.size() / 4)
        v.shrink_to_fit();
}

template <typename V> size_t heapBytes(const V& v) {
    return v.capacity() * sizeof(typename V::value_type);
}

} // namespace

Table TableBuilder::build(const PageStore& pages, const TableDef& def) {
    Table table;
    const size_t count = def.columns.size();
    for (const ColumnDef& c : def.columns)
        table.columns_.push_back(c.column);
    table.data_.resize(count);
    const std::vector<uint32_t> owned = usageMapPages(pages, def.ownedPagesMap);
    reserveFor(pages, def, owned, table.data_);

    MemoryBudget budget(pages.fileSize());
    std::vector<Field> fields;
    std::vector<uint8_t> longValue;
    size_t rows = 0;
    forEachRow(pages, def, owned, [&](ByteView row) {
        splitRow(row, def, fields);
        budget.take(count * sizeof(uint32_t) + count / 8 + 1);
        for (size_t i = 0; i < count; ++i) {
            Table::ColumnData& d = table.data_[i];
            const Field& f = fields[i];
            const ColumnType type = def.columns[i].column.type;
            if (rows % 64 == 0)
                d.present.push_back(0);
            const size_t before = d.chars.size() * 2 + d.bytes.size();
            bool present = f.present;
            if (type == ColumnType::Boolean) {
                d.bytes.push_back(f.present ? 1 : 0);
                present = true;
            } else if (present) {
                ByteView value = f.bytes;
                if (type == ColumnType::Memo || type == ColumnType::Ole) {
                    readLongValue(pages, value, budget, longValue);
                    value = ByteView(longValue.data(), longValue.size());
                }
                if (isText(type))
                    appendStoredText(value.data(), value.size(), d.chars);
                else
                    d.bytes.insert(d.bytes.end(), value.data(), value.data() + value.size());
            }
            budget.take(d.chars.size() * 2 + d.bytes.size() - before);
            const size_t end = isText(type) ? d.chars.size() : d.bytes.size();
            if (end > std::numeric_limits<uint32_t>::max())
                throw Error("table too large");
            d.ends.push_back(static_cast<uint32_t>(end));
            if (present)
                d.present.back() |= uint64_t{1} << (rows % 64);
        }
        ++rows;
    });
    for (Table::ColumnData& d : table.data_) {
        trim(d.ends);
        trim(d.chars);
        trim(d.bytes);
        trim(d.present);
    }
    table.rowCount_ = rows;
    return table;
}

MemberIndex TableBuilder::index(const PageStore& pages, const TableDef& def, size_t column) {
    const ColumnDef& c = def.columns.at(column);
    if (!isText(c.column.type))
        return MemberIndex();
    // Row slots of damaged pages may claim far more rows than the bytes hold; a row takes at least 8 bytes
    // with its slot, so the index starts no larger than that and grows only with values really read.
    const std::vector<uint32_t> owned = usageMapPages(pages, def.ownedPagesMap);
    MemberIndex::Builder builder(std::min(countSlots(pages, def, owned).slots, pages.fileSize() / 8));
    MemoryBudget budget(pages.fileSize());
    std::vector<uint8_t> longValue;
    std::u16string text;
    forEachRow(pages, def, owned, [&](ByteView row) {
        const Field f = RowLayout(row, def).field(c);
        if (!f.present)
            return;
        ByteView value = f.bytes;
        if (c.column.type == ColumnType::Memo) {
            readLongValue(pages, value, budget, longValue);
            value = ByteView(longValue.data(), longValue.size());
        }
        // A compressed callsign of one byte a character goes into its slot as it is stored.
        if (format::text::isCompressed(value.data(), value.size()) &&
            builder.addNarrow(value.data() + format::text::kCompressedMarkerSize,
                              value.size() - format::text::kCompressedMarkerSize))
            return;
        // Callsigns are short: decoded on the stack, no string built for them.
        char16_t shortText[64];
        size_t length = 0;
        if (decodeShortText(value.data(), value.size(), shortText, std::size(shortText), length)) {
            builder.add(std::u16string_view(shortText, length));
            return;
        }
        text.clear();
        appendStoredText(value.data(), value.size(), text);
        builder.add(text);
    });
    return builder.finish();
}

int findColumn(const std::vector<Column>& columns, std::u16string_view name) {
    for (size_t i = 0; i < columns.size(); ++i)
        if (equalFolded(columns[i].name, name))
            return static_cast<int>(i);
    return -1;
}

int Table::findColumn(std::u16string_view name) const {
    return jet4::findColumn(columns_, name);
}

const Table::ColumnData& Table::data(size_t row, size_t col) const {
    if (row >= rowCount_ || col >= columns_.size())
        throw std::out_of_range("jet4::Table: row or column out of range");
    return data_[col];
}

bool Table::isNull(size_t row, size_t col) const {
    return (data(row, col).present[row / 64] >> (row % 64) & 1) == 0;
}

std::u16string_view Table::text(size_t row, size_t col) const {
    const ColumnData& d = data(row, col);
    if (!isText(columns_[col].type))
        return {};
    const size_t begin = row == 0 ? 0 : d.ends[row - 1];
    return std::u16string_view(d.chars).substr(begin, d.ends[row] - begin);
}

std::string Table::display(size_t row, size_t col) const {
    if (isNull(row, col))
        return {};
    const ColumnData& d = data_[col];
    if (isText(columns_[col].type))
        return toUtf8(text(row, col));
    const size_t begin = row == 0 ? 0 : d.ends[row - 1];
    return displayValue(columns_[col], d.bytes.data() + begin, d.ends[row] - begin);
}

size_t Table::memoryUsage() const {
    size_t total = heapBytes(columns_) + heapBytes(data_);
    for (const Column& c : columns_)
        total += c.name.capacity() * sizeof(char16_t);
    for (const ColumnData& d : data_)
        total += heapBytes(d.ends) + heapBytes(d.chars) + heapBytes(d.bytes) + heapBytes(d.present);
    return total;
}

} // namespace jet4
