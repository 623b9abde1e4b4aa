// One entry of the bitmap table: a GDI+ bitmap, or an empty one when GDI+ could not read
// its file (drawing an empty bitmap draws nothing).
#pragma once
#include "ui/core/Handles.h"

namespace KRUI {

class CBitmap {
 public:
  // A picture of more than 8 bits per channel (16-bit PNGs) is kept at 32 bits per pixel:
  // every draw onto a 32-bit DC converts it anyway, and it would hold twice the memory.
  CBitmap(UniqueGpBitmap native, Gdiplus::GpStatus status) noexcept;
  Gdiplus::GpBitmap* Native() const noexcept { return native_.get(); }
  Gdiplus::GpImage* Image() const noexcept { return native_.get(); }
  Gdiplus::GpStatus LastStatus() const noexcept { return status_; }
  bool IsEmpty() const noexcept { return !native_; }
  UINT Width() const noexcept;
  UINT Height() const noexcept;

 private:
  UniqueGpBitmap native_;
  Gdiplus::GpStatus status_;
};

}  // namespace KRUI
