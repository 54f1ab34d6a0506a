// Owning VARIANT: cleared with VariantClear on every path.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

namespace zvk {

class Variant {
  public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept;
    ~Variant() { VariantClear(&v_); }

    // A VT_BSTR holding a copy of the text; throws std::bad_alloc when it cannot be allocated.
    static Variant FromText(const std::wstring& text);
    static Variant FromBool(bool value);

    const VARIANT& get() const { return v_; }
    // Out-parameter for calls that fill a VARIANT; clears the value held before.
    VARIANT* put();

  private:
    VARIANT v_;
};

} // namespace zvk
