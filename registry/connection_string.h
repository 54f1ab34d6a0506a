// The data-access connection string: "Key=Value;..." pairs, keys without regard to letter case.
#pragma once
#include <map>
#include <string>

namespace zvk {

class TConnectionString {
  public:
    explicit TConnectionString(const std::wstring& text);

    // The value of a key, or empty when the key is absent.
    std::wstring Value(const std::wstring& key) const;
    bool Has(const std::wstring& key) const;

  private:
    std::map<std::wstring, std::wstring> values_; // keys in lower case
};

// Letter case ignored for Latin letters, as the provider treats keys and keywords.
bool SameKeyword(const std::wstring& a, const std::wstring& b);

} // namespace zvk
