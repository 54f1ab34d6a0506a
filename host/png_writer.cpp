#include "host/png_writer.h"

#include <objidl.h>
#include <gdiplus.h>

namespace brevlog {

namespace {

// {557CF406-1A04-11D3-9A73-0000F81EF32E}
constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

class GdiplusSession {
  public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession() {
        if (ok_)
            Gdiplus::GdiplusShutdown(token_);
    }
    bool ok() const { return ok_; }

  private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

class GdiplusBitmap {
  public:
    explicit GdiplusBitmap(HBITMAP bitmap) {
        status_ = Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &bitmap_);
    }
    GdiplusBitmap(const GdiplusBitmap&) = delete;
    GdiplusBitmap& operator=(const GdiplusBitmap&) = delete;
    ~GdiplusBitmap() {
        if (bitmap_)
            Gdiplus::DllExports::GdipDisposeImage(bitmap_);
    }
    Gdiplus::GpStatus status() const { return status_; }
    Gdiplus::GpBitmap* get() const { return bitmap_; }

  private:
    Gdiplus::GpBitmap* bitmap_ = nullptr;
    Gdiplus::GpStatus status_ = Gdiplus::GenericError;
};

} // namespace

bool WritePng(HBITMAP bitmap, const std::wstring& path, std::string& error) {
    GdiplusSession session;
    if (!session.ok()) {
        error = "GDI+ did not start";
        return false;
    }
    GdiplusBitmap image(bitmap);
    if (image.status() != Gdiplus::Ok) {
        error = "GDI+ cannot take the bitmap (status " + std::to_string(image.status()) + ")";
        return false;
    }
    Gdiplus::GpStatus status =
        Gdiplus::DllExports::GdipSaveImageToFile(image.get(), path.c_str(), &kPngEncoder, nullptr);
    if (status != Gdiplus::Ok) {
        error = "GDI+ cannot write the file (status " + std::to_string(status) + ")";
        return false;
    }
    return true;
}

} // namespace brevlog
