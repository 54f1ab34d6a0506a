// Owning wrappers of the Windows handles the host creates.
#pragma once
#include <windows.h>
#include <utility>

namespace brevlog {

// One handle of type H released by Close when the owner goes away.
template <typename H, typename Traits> class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.handle_, H{}));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != H{}; }
    void reset(H handle = H{}) {
        if (handle_)
            Traits::Close(handle_);
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
struct ModuleTraits {
    static void Close(HMODULE module) { FreeLibrary(module); }
};
struct WindowTraits {
    // A child may already be gone with its parent.
    static void Close(HWND window) {
        if (IsWindow(window))
            DestroyWindow(window);
    }
};

using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;

// A device context borrowed from a window with GetDC or GetWindowDC.
class WindowDc {
  public:
    WindowDc(HWND window, bool wholeWindow)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC for one scope.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A saved DC state, restored at scope end: a handler may leave anything selected.
class SavedDcState {
  public:
    explicit SavedDcState(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;
    ~SavedDcState() { RestoreDC(dc_, id_); }

  private:
    HDC dc_;
    int id_;
};

} // namespace brevlog
