#include "host/log_grid.h"

#include "host/text_codec.h"

namespace brevlog {

namespace {

constexpr COLORREF kGridLineColor = RGB(0xD4, 0xD0, 0xC8);
constexpr COLORREF kSelectedTextColor = RGB(0xFF, 0xFF, 0xFF);
constexpr int kTextIndent = 2;

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    UniqueBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

RECT ToRect(const TRect& rect) {
    return RECT{rect.Left, rect.Top, rect.Right, rect.Bottom};
}

} // namespace

LogGrid::LogGrid(LogTable table, HandlerFailures& failures) : table_(std::move(table)), failures_(failures) {
    for (const LogColumn& column : table_.columns)
        fields_.push_back(std::make_unique<GridField>(column.name));
}

LogGrid::~LogGrid() {
    if (bufferDc_ && bufferDefaultBitmap_)
        SelectObject(bufferDc_.get(), bufferDefaultBitmap_);
    if (window_)
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

bool LogGrid::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kWindowClass, &windowClass))
        return true;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &LogGrid::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

HWND LogGrid::Create(HWND parent, int id, const RECT& bounds) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance);
    HWND window = CreateWindowExW(
        WS_EX_CLIENTEDGE, kWindowClass, L"", (parent ? WS_CHILD | WS_VISIBLE : WS_POPUP) | WS_TABSTOP,
        bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr, instance, nullptr);
    if (!window)
        return nullptr;
    window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    // Row height from the font: the text plus a few pixels of air.
    bufferDc_.reset(CreateCompatibleDC(nullptr));
    canvas_.SetDc(bufferDc_.get());
    SelectedObject font(bufferDc_.get(), FontFor(0));
    TEXTMETRICW metrics{};
    GetTextMetricsW(bufferDc_.get(), &metrics);
    rowHeight_ = metrics.tmHeight + 6;
    return window;
}

LRESULT CALLBACK LogGrid::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* grid = reinterpret_cast<LogGrid*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!grid)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return grid->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT LogGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_.get();
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_PRINTCLIENT: {
        Render();
        RECT client{};
        GetClientRect(window, &client);
        BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, client.right, client.bottom, bufferDc_.get(), 0, 0,
               SRCCOPY);
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(window);
        ClickAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_UP && selectedRow_ > 0)
            SelectCell(selectedRow_ - 1, selectedColumn_);
        else if (wParam == VK_DOWN && selectedRow_ + 1 < table_.rows.size())
            SelectCell(selectedRow_ + 1, selectedColumn_);
        else if (wParam == VK_LEFT && selectedColumn_ > 0)
            SelectCell(selectedRow_, selectedColumn_ - 1);
        else if (wParam == VK_RIGHT && selectedColumn_ + 1 < table_.columns.size())
            SelectCell(selectedRow_, selectedColumn_ + 1);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SIZE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void __stdcall LogGrid::Repaint() {
    if (!window_)
        return;
    InvalidateRect(window_.get(), nullptr, FALSE);
    if (!painting_)
        UpdateWindow(window_.get());
}

void LogGrid::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_.get(), &paint);
    Render();
    RECT client{};
    GetClientRect(window_.get(), &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, bufferDc_.get(), 0, 0, SRCCOPY);
    EndPaint(window_.get(), &paint);
}

void LogGrid::ClickAt(int x, int y) {
    if (y < rowHeight_)
        return;
    size_t row = static_cast<size_t>((y - rowHeight_) / rowHeight_);
    int left = 0;
    for (size_t column = 0; column < table_.columns.size(); ++column) {
        int right = left + table_.columns[column].width;
        if (x >= left && x < right && row < table_.rows.size()) {
            SelectCell(row, column);
            return;
        }
        left = right;
    }
}

void LogGrid::SelectCell(size_t row, size_t column) {
    selectedRow_ = row;
    selectedColumn_ = column;
    Repaint();
}

void LogGrid::EnsureBuffer(int width, int height) {
    if (bufferBitmap_ && bufferSize_.cx == width && bufferSize_.cy == height)
        return;
    WindowDc screen(nullptr, false);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width > 0 ? width : 1, height > 0 ? height : 1));
    HGDIOBJ previous = SelectObject(bufferDc_.get(), bitmap.get());
    if (!bufferDefaultBitmap_)
        bufferDefaultBitmap_ = previous;
    bufferBitmap_ = std::move(bitmap);
    bufferSize_ = SIZE{width, height};
}

HFONT LogGrid::FontFor(TFontStyles style) {
    UniqueFont& font = fonts_[style & 15];
    if (!font) {
        LOGFONTW logFont{};
        WindowDc screen(nullptr, false);
        logFont.lfHeight = -MulDiv(kFontSize, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
        logFont.lfWeight = (style & fsBold) ? FW_BOLD : FW_NORMAL;
        logFont.lfItalic = (style & fsItalic) ? TRUE : FALSE;
        logFont.lfUnderline = (style & fsUnderline) ? TRUE : FALSE;
        logFont.lfStrikeOut = (style & fsStrikeOut) ? TRUE : FALSE;
        logFont.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(logFont.lfFaceName, WideFrom(kFontName, kCyrillicCodePage).c_str(), LF_FACESIZE);
        font.reset(CreateFontIndirectW(&logFont));
    }
    return font.get();
}

TRect LogGrid::CellRect(size_t row, size_t column) const {
    int left = 0;
    for (size_t c = 0; c < column; ++c)
        left += table_.columns[c].width;
    int top = rowHeight_ * static_cast<int>(row + 1);
    // The right and bottom pixel lines belong to the grid lines.
    return TRect{left, top, left + table_.columns[column].width - 1, top + rowHeight_ - 1};
}

CellFont LogGrid::FontOfCell(size_t row, size_t column) const {
    CellFont font;
    font.name = kFontName;
    font.size = kFontSize;
    font.style = table_.columns[column].bold ? fsBold : 0;
    font.color = row == selectedRow_ ? kSelectedTextColor : GetSysColor(COLOR_WINDOWTEXT);
    return font;
}

TGridDrawState LogGrid::StateOf(size_t row, size_t column) const {
    if (row != selectedRow_)
        return 0;
    TGridDrawState state = gdSelected;
    if (column == selectedColumn_ && window_ && GetFocus() == window_.get())
        state |= gdFocused;
    return state;
}

bool LogGrid::Render() {
    if (!window_ || painting_)
        return false;
    RECT client{};
    GetClientRect(window_.get(), &client);
    EnsureBuffer(client.right, client.bottom);
    HDC dc = bufferDc_.get();
    painting_ = true;
    FillSolid(dc, RECT{0, 0, bufferSize_.cx, bufferSize_.cy}, GetSysColor(COLOR_APPWORKSPACE));
    DrawHeader(dc);
    bool complete = true;
    for (size_t row = 0; row < table_.rows.size() && complete; ++row)
        for (size_t column = 0; column < table_.columns.size() && complete; ++column)
            complete = DrawDataCell(dc, row, column);
    painting_ = false;
    return complete;
}

void LogGrid::DrawHeader(HDC dc) {
    SelectedObject font(dc, FontFor(fsBold));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    int left = 0;
    for (const LogColumn& column : table_.columns) {
        RECT cell{left, 0, left + column.width - 1, rowHeight_ - 1};
        FillSolid(dc, RECT{left, 0, left + column.width, rowHeight_}, GetSysColor(COLOR_BTNSHADOW));
        FillSolid(dc, cell, GetSysColor(COLOR_BTNFACE));
        RECT text = cell;
        text.left += kTextIndent;
        std::wstring name = WideFrom(column.name, kCyrillicCodePage);
        DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        left += column.width;
    }
}

bool LogGrid::DrawDataCell(HDC dc, size_t row, size_t column) {
    TRect rect = CellRect(row, column);
    RECT cell = ToRect(rect);
    FillSolid(dc, RECT{cell.left, cell.top, cell.right + 1, cell.bottom + 1}, kGridLineColor);
    TGridDrawState state = StateOf(row, column);
    FillSolid(dc, cell, GetSysColor((state & gdSelected) ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    CellFont font = FontOfCell(row, column);
    canvas_.SetFont(font);
    const std::string& text = table_.rows[row][column];
    {
        SelectedObject selected(dc, FontFor(font.style));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, font.color);
        RECT textRect = cell;
        textRect.left += kTextIndent;
        std::wstring wide = WideFrom(text, kCyrillicCodePage);
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (!onDrawDataCell_.Code)
        return true;

    // The handler sees the canvas as the grid left it for this cell: the cell's font selected.
    GridField& field = *fields_[column];
    field.SetCurrentText(&text);
    HRESULT status;
    {
        SavedDcState saved(dc);
        SelectObject(dc, FontFor(font.style));
        SetTextColor(dc, font.color);
        status = onDrawDataCell_.Code(onDrawDataCell_.Data, AsSender(), &rect, &field, state);
    }
    field.SetCurrentText(nullptr);
    if (FAILED(status)) {
        failures_.Report("OnDrawDataCell", status);
        return false;
    }
    return true;
}

} // namespace brevlog
