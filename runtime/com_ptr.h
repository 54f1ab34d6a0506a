// Owning reference to a COM interface: released exactly once, whichever way the scope is left.
#pragma once
#include <windows.h>
#include <unknwn.h>
#include <utility>

namespace zvk {

template <class T> class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    ComPtr(const ComPtr& other) : p_(other.p_) { AddRef(); }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ~ComPtr() { Release(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }

    // Takes over a reference the caller already owns.
    static ComPtr Adopt(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // Out-parameter for calls that hand over a new reference; drops the one held before.
    T** put() {
        Release();
        return &p_;
    }

    // The same object through another interface; empty when the object does not offer it.
    template <class U> ComPtr<U> As(REFIID iid) const {
        ComPtr<U> result;
        if (p_ != nullptr && FAILED(p_->QueryInterface(iid, reinterpret_cast<void**>(result.put()))))
            return ComPtr<U>();
        return result;
    }

  private:
    void AddRef() {
        if (p_ != nullptr)
            p_->AddRef();
    }
    void Release() {
        if (T* p = std::exchange(p_, nullptr))
            p->Release();
    }

    T* p_ = nullptr;
};

} // namespace zvk
