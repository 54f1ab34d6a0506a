// TRzCustomColors: the sixteen custom colours of the colour dialog, as the list "ColorA=ffffff" to
// "ColorP=ffffff" in colour-reference byte order (0xBBGGRR). Lives as long as its form; saved nowhere.
// Portable.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace zvk::palette {

class TRzCustomColors {
  public:
    static constexpr int Count = 16;

    // Sixteen whites.
    TRzCustomColors();

    // The list entries, "ColorA=FFFFFF" and so on.
    const std::array<std::string, Count>& Colors() const { return colors_; }

    // The colour of an entry, 0xBBGGRR; white for an entry whose value is not hexadecimal.
    uint32_t Color(int index) const;
    // Six lower-case hex digits of the value masked to 24 bits.
    void SetColor(int index, uint32_t color);

    std::array<uint32_t, Count> AllColors() const;
    void SetAllColors(const std::array<uint32_t, Count>& colors);

  private:
    std::array<std::string, Count> colors_;
};

} // namespace zvk::palette
