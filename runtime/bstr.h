// Owning BSTR: freed with SysFreeString on every path.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>
#include <utility>

namespace zvk {

class Bstr {
  public:
    Bstr() = default;
    // Copies the text; throws std::bad_alloc when the system cannot allocate it.
    explicit Bstr(const std::wstring& text);
    explicit Bstr(const wchar_t* text) : Bstr(std::wstring(text)) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept;
    ~Bstr() { SysFreeString(s_); }

    BSTR get() const { return s_; }
    // Gives up ownership; the caller frees the result.
    BSTR release() { return std::exchange(s_, nullptr); }
    // Out-parameter for calls that return a new BSTR; frees the one held before.
    BSTR* put();
    // The text; a null BSTR is the empty text.
    std::wstring str() const;

  private:
    BSTR s_ = nullptr;
};

} // namespace zvk
