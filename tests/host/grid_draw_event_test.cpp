// The grid's side of OnDrawDataCell: every data cell is drawn by the grid and then handed to the handler
// in the slot, with its own field, rectangle and font on the grid's canvas.
#include "host/log_grid.h"
#include "host/text_codec.h"
#include "host/win_handles.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace brevlog {
namespace {

struct DrawCall {
    TObject* sender;
    TRect rect;
    std::string fieldName;
    const char* fieldNameAddress;
    std::string text;
    TGridDrawState state;
    HDC dc;
    CellFont font;
};

struct Recorder {
    TwwDBGrid* grid = nullptr;
    std::vector<DrawCall> calls;
    size_t failAtCall = SIZE_MAX; // the handler fails on this call (from 0)
    COLORREF paint = CLR_INVALID; // the handler fills every cell with this colour
};

HRESULT __stdcall RecordDrawCell(void* self, TObject* sender, const TRect* rect, TField* field,
                                 TGridDrawState state) {
    auto& recorder = *static_cast<Recorder*>(self);
    TCanvas& canvas = *recorder.grid->Canvas();
    char* text = field->AsString();
    recorder.calls.push_back(
        DrawCall{sender, *rect, field->FieldName(), field->FieldName(), text, state, canvas.Handle(),
                 CellFont{canvas.FontName(), canvas.FontStyle(), canvas.FontSize(), canvas.FontColor()}});
    CoTaskMemFree(text);
    if (recorder.paint != CLR_INVALID) {
        UniqueBrush brush(CreateSolidBrush(recorder.paint));
        RECT cell{rect->Left, rect->Top, rect->Right, rect->Bottom};
        FillRect(canvas.Handle(), &cell, brush.get());
    }
    if (recorder.calls.size() - 1 == recorder.failAtCall) {
        ICreateErrorInfo* create = nullptr;
        if (SUCCEEDED(CreateErrorInfo(&create))) {
            create->SetDescription(const_cast<LPOLESTR>(L"handler broke"));
            IErrorInfo* info = nullptr;
            create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
            SetErrorInfo(0, info);
            info->Release();
            create->Release();
        }
        return E_FAIL;
    }
    return S_OK;
}

LogTable SmallTable() {
    LogTable table;
    table.columns = {{Cp1251FromUtf8("Дата"), 70}, {Cp1251FromUtf8("Позывной"), 90, true}, {"RST", 40}};
    table.rows = {{"01.12.2025", "UA3ABC", "59"}, {"02.12.2025", Cp1251FromUtf8("ЖЖ1Ж"), "599"}};
    return table;
}

class GridDrawEvent : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(grid.Create(nullptr, 0, RECT{0, 0, 300, 120}), nullptr);
        recorder.grid = &grid;
    }
    void Install() { *grid.OnDrawDataCell() = TwwDrawDataCellEvent{&RecordDrawCell, &recorder}; }
    COLORREF PixelInCell(size_t row, size_t column) {
        TRect cell = grid.CellRect(row, column);
        return GetPixel(grid.BufferDc(), cell.Right - 3, cell.Bottom - 2);
    }

    HandlerFailures failures;
    LogGrid grid{SmallTable(), failures};
    Recorder recorder;
};

TEST_F(GridDrawEvent, HandlerSeesEachDataCellOnceWithItsFieldRectAndFont) {
    Install();
    grid.SelectCell(1, 0);
    ASSERT_TRUE(grid.Render());

    const LogTable& table = grid.table();
    ASSERT_EQ(recorder.calls.size(), table.rows.size() * table.columns.size());
    size_t index = 0;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        for (size_t column = 0; column < table.columns.size(); ++column, ++index) {
            SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
            const DrawCall& call = recorder.calls[index];
            EXPECT_EQ(call.sender, grid.AsSender());
            TRect expected = grid.CellRect(row, column);
            EXPECT_EQ(call.rect.Left, expected.Left);
            EXPECT_EQ(call.rect.Top, expected.Top);
            EXPECT_EQ(call.rect.Right, expected.Right);
            EXPECT_EQ(call.rect.Bottom, expected.Bottom);
            EXPECT_EQ(call.fieldName, table.columns[column].name);
            EXPECT_EQ(call.text, table.rows[row][column]);
            EXPECT_EQ(call.dc, grid.BufferDc());
            EXPECT_EQ(call.font.name, LogGrid::kFontName);
            EXPECT_EQ(call.font.size, LogGrid::kFontSize);
            EXPECT_EQ(call.font.style, table.columns[column].bold ? fsBold : 0);
            EXPECT_EQ(call.font.color, row == 1 ? RGB(255, 255, 255) : GetSysColor(COLOR_WINDOWTEXT));
            EXPECT_EQ(call.state, row == 1 ? gdSelected : 0);
        }
    }
    // The name is lent, not made per call: a column's field answers the same text on every row.
    EXPECT_EQ(recorder.calls[0].fieldNameAddress, recorder.calls[3].fieldNameAddress);
}

TEST_F(GridDrawEvent, GridDrawsCellsItselfAndHandlerDrawsOnTop) {
    grid.SelectCell(1, 0);
    ASSERT_TRUE(grid.Render());
    EXPECT_EQ(PixelInCell(0, 2), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelInCell(1, 2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(recorder.calls.empty());

    recorder.paint = RGB(0xFF, 0x00, 0x00);
    Install();
    ASSERT_TRUE(grid.Render());
    EXPECT_EQ(PixelInCell(0, 2), RGB(0xFF, 0x00, 0x00));
}

TEST_F(GridDrawEvent, FailingHandlerEndsThePaintAndIsReportedWithItsMessage) {
    recorder.failAtCall = 2;
    Install();
    EXPECT_FALSE(grid.Render());
    EXPECT_EQ(recorder.calls.size(), 3u);
    ASSERT_EQ(failures.count(), 1u);
    EXPECT_NE(failures.messages()[0].find("handler broke"), std::string::npos) << failures.messages()[0];
}

TEST_F(GridDrawEvent, RepaintPaintsTheShownGridBeforeItReturns) {
    Install();
    ShowWindow(grid.window(), SW_SHOWNOACTIVATE);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    recorder.calls.clear();

    grid.Repaint();
    EXPECT_EQ(recorder.calls.size(), grid.table().rows.size() * grid.table().columns.size());
}

} // namespace
} // namespace brevlog
