// The log grid control: a window that paints a header and the log's rows with GDI into an off-screen
// buffer and then onto itself. It is the host's TwwDBGrid: after drawing each data cell itself it calls the
// handler in its OnDrawDataCell slot, on the buffer's canvas, with the cell's font set.
#pragma once
#include "sdk/brevlog_plugin.h"

#include "host/grid_canvas.h"
#include "host/grid_field.h"
#include "host/handler_failures.h"
#include "host/log_table.h"
#include "host/win_handles.h"

#include <memory>
#include <vector>

namespace brevlog {

class LogGrid final : public TwwDBGrid {
  public:
    static constexpr const wchar_t* kWindowClass = L"BrevlogLogGrid";
    static constexpr const char* kFontName = "Tahoma";
    static constexpr int32_t kFontSize = 9;

    LogGrid(LogTable table, HandlerFailures& failures);
    LogGrid(const LogGrid&) = delete;
    LogGrid& operator=(const LogGrid&) = delete;
    ~LogGrid();

    static bool RegisterWindowClass(HINSTANCE instance);
    HWND Create(HWND parent, int id, const RECT& bounds);
    HWND window() const { return window_.get(); }
    TObject* AsSender() { return reinterpret_cast<TObject*>(static_cast<TwwDBGrid*>(this)); }

    TwwDrawDataCellEvent* __stdcall OnDrawDataCell() override { return &onDrawDataCell_; }
    void __stdcall Repaint() override;
    TCanvas* __stdcall Canvas() override { return &canvas_; }

    // Paints everything into the off-screen buffer, sized to the client area. False when a handler failed,
    // which ends that paint.
    bool Render();
    HDC BufferDc() const { return bufferDc_.get(); }

    const LogTable& table() const { return table_; }
    TRect CellRect(size_t row, size_t column) const; // a data cell, in buffer coordinates
    int RowHeight() const { return rowHeight_; }
    void SelectCell(size_t row, size_t column);
    size_t selectedRow() const { return selectedRow_; }
    CellFont FontOfCell(size_t row, size_t column) const;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void ClickAt(int x, int y);
    void EnsureBuffer(int width, int height);
    HFONT FontFor(TFontStyles style);
    void DrawHeader(HDC dc);
    bool DrawDataCell(HDC dc, size_t row, size_t column);
    TGridDrawState StateOf(size_t row, size_t column) const;

    LogTable table_;
    HandlerFailures& failures_;
    std::vector<std::unique_ptr<GridField>> fields_;
    GridCanvas canvas_;
    TwwDrawDataCellEvent onDrawDataCell_{};
    UniqueWindow window_;
    UniqueMemoryDc bufferDc_;
    UniqueBitmap bufferBitmap_;
    HGDIOBJ bufferDefaultBitmap_ = nullptr;
    SIZE bufferSize_{};
    UniqueFont fonts_[16]; // by TFontStyles
    int rowHeight_ = 20;
    size_t selectedRow_ = 0;
    size_t selectedColumn_ = 0;
    bool painting_ = false;
};

} // namespace brevlog
