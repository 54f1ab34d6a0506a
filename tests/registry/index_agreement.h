// The member index read straight from the rows must answer as the one built from the whole table does.
#pragma once

#include "registry/jet4/jet4_reader.h"
#include "registry/jet4/member_index.h"

#include <gtest/gtest.h>

// Every column of the table: the same number of distinct values, every present value found by both, and
// values with a suffix found by neither unless the table holds them.
inline void expectIndexAgreesWithTable(const jet4::Database& db, std::u16string_view name) {
    const jet4::Table table = db.table(name);
    for (size_t col = 0; col < table.columns().size(); ++col) {
        SCOPED_TRACE(jet4::toUtf8(name) + " / " + jet4::toUtf8(table.columns()[col].name));
        const jet4::MemberIndex whole(table, col);
        const jet4::MemberIndex direct = db.memberIndex(name, col);
        EXPECT_EQ(direct.size(), whole.size());
        for (size_t row = 0; row < table.rowCount(); ++row) {
            if (table.isNull(row, col))
                continue;
            const std::u16string value(table.text(row, col));
            ASSERT_EQ(direct.contains(value), whole.contains(value)) << jet4::toUtf8(value);
            const std::u16string other = value + u"/Ж";
            ASSERT_EQ(direct.contains(other), whole.contains(other)) << jet4::toUtf8(other);
        }
    }
}
