#include "runtime/bstr.h"

#include <new>

namespace zvk {

Bstr::Bstr(const std::wstring& text) {
    s_ = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (s_ == nullptr)
        throw std::bad_alloc();
}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
    if (this != &other) {
        SysFreeString(s_);
        s_ = std::exchange(other.s_, nullptr);
    }
    return *this;
}

BSTR* Bstr::put() {
    SysFreeString(std::exchange(s_, nullptr));
    return &s_;
}

std::wstring Bstr::str() const {
    return s_ == nullptr ? std::wstring() : std::wstring(s_, SysStringLen(s_));
}

} // namespace zvk
