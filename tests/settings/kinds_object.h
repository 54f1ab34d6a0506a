// A stored object with one published property of each kind, and one derived from it.
#pragma once
#include <bitset>
#include <cstdint>
#include <string>
#include <tuple>

#include "settings/srz_class.h"

namespace zvk::test {

enum class TBand : uint8_t { bd160, bd80, bd40 };

class TAllKinds : public TSrzClass {
  public:
    int32_t Number = 7;
    char Letter = 'A';
    wchar_t WideLetter = L'Z';
    TBand Band = TBand::bd80;
    bool Flag = false;
    std::bitset<8> Days{0x03};
    double Ratio = 0.5;
    std::wstring WideTitle = L"w";
    int64_t Counter = 9; // a 64-bit integer is never written

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    auto Values() const {
        return std::make_tuple(Number, Letter, WideLetter, Band, Flag, Days.to_ulong(), Ratio, title_,
                               WideTitle, Counter);
    }

    static const TPropertyTable Properties;

  protected:
    const TPropertyTable& PublishedProperties() const override { return Properties; }

  private:
    std::string title_ = "t";
};

class TMoreKinds : public TAllKinds {
  public:
    int32_t Extra = 1;

    static const TPropertyTable Properties;

  protected:
    const TPropertyTable& PublishedProperties() const override { return Properties; }
};

} // namespace zvk::test
