// Texts the host allocates for us with CoTaskMemAlloc: owned here and freed on every path.
#pragma once
#include <objbase.h>
#include <string>

namespace zvk {

class HostText {
  public:
    explicit HostText(char* text) : text_(text) {}
    ~HostText() { CoTaskMemFree(text_); }
    HostText(const HostText&) = delete;
    HostText& operator=(const HostText&) = delete;

    const char* c_str() const { return text_ ? text_ : ""; }
    std::string str() const { return c_str(); }

  private:
    char* text_;
};

} // namespace zvk
