#include "ui/core/Bitmap.h"

namespace KRUI {

using namespace Gdiplus::DllExports;

CBitmap::CBitmap(UniqueGpBitmap native, Gdiplus::GpStatus status) noexcept
    : native_(std::move(native)), status_(status) {
  Narrow();
}

CBitmap::CBitmap(std::wstring file) noexcept : file_(std::move(file)), unread_(true) {}

void CBitmap::ReadFile() const noexcept {
  unread_ = false;
  std::wstring file;
  file.swap(file_);
  status_ = GdipCreateBitmapFromFile(file.c_str(), native_.put());
  if (status_ != Gdiplus::Ok) {
    native_.reset();
    return;
  }
  Narrow();
}

void CBitmap::Narrow() const noexcept {
  Gdiplus::PixelFormat format = 0;
  if (!native_ || GdipGetImagePixelFormat(native_.get(), &format) != Gdiplus::Ok) return;
  if (format != PixelFormat64bppARGB && format != PixelFormat64bppPARGB && format != PixelFormat48bppRGB) return;
  UINT w = 0, h = 0;
  GdipGetImageWidth(native_.get(), &w);
  GdipGetImageHeight(native_.get(), &h);
  UniqueGpBitmap narrow;
  const Gdiplus::PixelFormat target = format == PixelFormat48bppRGB ? PixelFormat24bppRGB : PixelFormat32bppARGB;
  if (w && h && GdipCloneBitmapAreaI(0, 0, static_cast<INT>(w), static_cast<INT>(h), target, native_.get(),
                                     narrow.put()) == Gdiplus::Ok && narrow) {
    native_ = std::move(narrow);
  }
}

UINT CBitmap::Width() const noexcept {
  UINT w = 0;
  if (Gdiplus::GpBitmap* native = Read()) GdipGetImageWidth(native, &w);
  return w;
}

UINT CBitmap::Height() const noexcept {
  UINT h = 0;
  if (Gdiplus::GpBitmap* native = Read()) GdipGetImageHeight(native, &h);
  return h;
}

}  // namespace KRUI
