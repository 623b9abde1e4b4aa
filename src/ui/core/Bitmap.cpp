#include "ui/core/Bitmap.h"

namespace KRUI {

UINT CBitmap::Width() const noexcept {
  UINT w = 0;
  if (native_) Gdiplus::DllExports::GdipGetImageWidth(native_.get(), &w);
  return w;
}

UINT CBitmap::Height() const noexcept {
  UINT h = 0;
  if (native_) Gdiplus::DllExports::GdipGetImageHeight(native_.get(), &h);
  return h;
}

}  // namespace KRUI
