#include "runtime/variant.h"

#include "runtime/bstr.h"

namespace zvk {

Variant::Variant(Variant&& other) noexcept : v_(other.v_) {
    VariantInit(&other.v_); // the value now belongs here; the source is left empty
}

Variant Variant::FromText(const std::wstring& text) {
    Bstr owned(text);
    Variant result;
    result.v_.vt = VT_BSTR;
    result.v_.bstrVal = owned.release();
    return result;
}

Variant Variant::FromBool(bool value) {
    Variant result;
    result.v_.vt = VT_BOOL;
    result.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return result;
}

VARIANT* Variant::put() {
    VariantClear(&v_);
    return &v_;
}

} // namespace zvk
