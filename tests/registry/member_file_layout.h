// Where the structures of table `main` lie in a small file from the zvkdb writer, found the way a reader
// finds them, so that tests can alter them in memory.
#pragma once

#include "page_builder.h"
#include "registry/jet4/writer/jet4_writer.h"

#include <algorithm>
#include <string>

inline constexpr size_t kPage = 4096;
inline constexpr double kCreated = 45000.0;

inline Bytes memberFile() {
    return jet4::writeMemberDatabase({u"UA3ABC", u"RK1ZZ", u"UA3АБВ"}, u"", kCreated);
}

inline uint32_t get32(const Bytes& b, size_t at) {
    return b[at] | b[at + 1] << 8 | static_cast<uint32_t>(b[at + 2]) << 16 |
           static_cast<uint32_t>(b[at + 3]) << 24;
}
inline uint16_t get16(const Bytes& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

// Where the structures of table `main` are, found the way a reader finds them.
struct Layout {
    size_t tdef = 0;     // byte offset of main's table definition
    size_t data = 0;     // byte offset of main's first data page
    size_t mapRow = 0;   // byte offset of main's owned-pages usage map row
    size_t firstRow = 0; // byte offset of row 0 on the data page
};

inline Layout locate(const Bytes& file) {
    Layout l;
    for (size_t p = 3; p * kPage < file.size(); ++p) {
        const size_t at = p * kPage;
        if (file[at] == 0x02 && file[at + 40] == 0x4E)
            l.tdef = at;
        else if (file[at] == 0x01 && l.tdef != 0 && get32(file, at + 4) == l.tdef / kPage && l.data == 0)
            l.data = at;
    }
    const uint32_t map = get32(file, l.tdef + 55);
    l.mapRow = (map >> 8) * kPage + (get16(file, (map >> 8) * kPage + 14 + 2 * (map & 0xFF)) & 0x1FFF);
    l.firstRow = l.data + (get16(file, l.data + 14) & 0x1FFF);
    return l;
}

// Changes the type code of `Callsign`, main's one column.
inline void setCallsignType(Bytes& file, const Layout& l, uint8_t type) {
    file.at(l.tdef + 63 + 12 * get32(file, l.tdef + 51)) = type;
}

// Appends a page and returns its number.
inline uint32_t appendPage(Bytes& file, const Bytes& page) {
    const auto number = static_cast<uint32_t>(file.size() / kPage);
    file.insert(file.end(), page.begin(), page.end());
    return number;
}

// Bytes of a UCS-2 text, or of a compressed one when `compressed`.
inline Bytes storedText(const std::u16string& text, bool compressed) {
    const size_t prefix = compressed ? 2 : 0, width = compressed ? 1 : 2;
    Bytes out(prefix + width * text.size(), 0xFF);
    if (compressed)
        out[1] = 0xFE;
    for (size_t i = 0; i < text.size(); ++i) {
        out[prefix + width * i] = static_cast<uint8_t>(text[i]);
        if (!compressed)
            out[prefix + width * i + 1] = static_cast<uint8_t>(text[i] >> 8);
    }
    return out;
}

// A row of a table whose one column is variable: count, value, end offset, start offset, count, null mask.
inline Bytes singleVariableColumnRow(const Bytes& value) {
    const size_t end = 2 + value.size();
    Bytes row(end + 7, 0);
    row[0] = 1;
    std::copy(value.begin(), value.end(), row.begin() + 2);
    put16(row, end, static_cast<uint16_t>(end));
    put16(row, end + 2, 2);
    put16(row, end + 4, 1);
    row[end + 6] = 1;
    return row;
}

inline Bytes longValueHeader(size_t length, uint32_t type, uint32_t pointer) {
    Bytes h(12, 0);
    put32(h, 0, static_cast<uint32_t>(length) | type);
    put32(h, 4, pointer);
    return h;
}

// The member file with `Callsign` turned into a Memo column whose three values are stored inline, in one
// LVAL row and in a chain of two LVAL rows.
inline const std::u16string kMemoValues[] = {u"Inline memo", u"Одна строка LVAL", u"Chain continues"};

inline Bytes memoMemberFile() {
    Bytes file = memberFile();
    const Layout l = locate(file);
    setCallsignType(file, l, 0x0C);

    const Bytes single = storedText(kMemoValues[1], false);
    const Bytes chained = storedText(kMemoValues[2], true);
    const size_t cut = 8;
    const auto lvalPage = static_cast<uint32_t>(file.size() / kPage);
    Bytes first(4, 0), second(4, 0);
    put32(first, 0, lvalPage << 8 | 2);
    first.insert(first.end(), chained.begin(), chained.begin() + cut);
    second.insert(second.end(), chained.begin() + cut, chained.end());
    appendPage(file, dataPage(0x4C41564C, {single, first, second}));

    Bytes inlined = longValueHeader(0, 0x80000000, 0);
    const Bytes text = storedText(kMemoValues[0], true);
    inlined.insert(inlined.end(), text.begin(), text.end());
    put32(inlined, 0, static_cast<uint32_t>(text.size()) | 0x80000000);
    const Bytes page =
        dataPage(static_cast<uint32_t>(l.tdef / kPage),
                 {singleVariableColumnRow(inlined),
                  singleVariableColumnRow(longValueHeader(single.size(), 0x40000000, lvalPage << 8)),
                  singleVariableColumnRow(longValueHeader(chained.size(), 0, lvalPage << 8 | 1))});
    std::copy(page.begin(), page.end(), file.begin() + static_cast<long>(l.data));
    return file;
}
