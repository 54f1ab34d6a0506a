// Where everything lies in the palette's content area (inside its frame), and what lies under a point.
// Portable: plain pixel arithmetic.
#pragma once

namespace zvk::palette {

struct TBounds {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    bool operator==(const TBounds& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

enum class TArea { Outside, Entry, Band, Empty, MoreColors, CustomSwatch };

struct THit {
    TArea Area = TArea::Outside;
    int Entry = -1; // for TArea::Entry
};

class TPaletteLayout {
  public:
    static constexpr int CellSize = 18;
    static constexpr int Columns = 8;
    static constexpr int BandHeight = 8;

    // fontHeight: the character height of the palette's font, which sets the custom row's height.
    TPaletteLayout(bool showSystemColors, bool showCustomColor, int fontHeight);

    int Width() const { return Columns * CellSize; }
    int Height() const;

    bool ShowsSystemColors() const { return showSystem_; }
    bool ShowsCustomColor() const { return showCustom_; }

    // The cell of a palette entry; empty for a system colour when those are not shown.
    TBounds Cell(int entry) const;
    TBounds Band() const;
    TBounds BandLine() const;
    TBounds CustomRow() const;
    TBounds MoreColorsButton() const;
    TBounds CustomSwatch() const;

    THit HitTest(int x, int y) const;

    // The coloured square inside a cell.
    static TBounds Swatch(const TBounds& cell);

  private:
    int systemTop() const { return 5 * CellSize + BandHeight; }
    int customTop() const;

    bool showSystem_;
    bool showCustom_;
    int customRowHeight_;
};

} // namespace zvk::palette
