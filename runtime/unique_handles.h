// Owners of the window-system handles the plug-in creates: released on every path.
#pragma once
#include <windows.h>
#include <utility>

namespace zvk {

template <typename H, typename Traits> class UniqueWinHandle {
  public:
    UniqueWinHandle() = default;
    explicit UniqueWinHandle(H handle) : handle_(handle) {}
    UniqueWinHandle(const UniqueWinHandle&) = delete;
    UniqueWinHandle& operator=(const UniqueWinHandle&) = delete;
    UniqueWinHandle(UniqueWinHandle&& other) noexcept : handle_(other.release()) {}
    UniqueWinHandle& operator=(UniqueWinHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueWinHandle() { reset(); }

    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != H{}; }
    void reset(H handle = H{}) {
        if (handle_) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }
    H release() { return std::exchange(handle_, H{}); }

  private:
    H handle_{};
};

struct GdiObjectTraits {
    static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct MemoryDcTraits {
    static void Close(HDC dc) { DeleteDC(dc); }
};
struct WindowTraits {
    static void Close(HWND window) { DestroyWindow(window); }
};
struct HookTraits {
    static void Close(HHOOK hook) { UnhookWindowsHookEx(hook); }
};

using UniqueFont = UniqueWinHandle<HFONT, GdiObjectTraits>;
using UniqueBitmap = UniqueWinHandle<HBITMAP, GdiObjectTraits>;
using UniqueBrush = UniqueWinHandle<HBRUSH, GdiObjectTraits>;
using UniqueMemoryDc = UniqueWinHandle<HDC, MemoryDcTraits>;
using UniqueWindow = UniqueWinHandle<HWND, WindowTraits>;
using UniqueHook = UniqueWinHandle<HHOOK, HookTraits>;

// An object selected into a device context for a scope; the previous one is selected back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace zvk
