// One entry of the bitmap table: a GDI+ bitmap, or an empty one when GDI+ could not read
// its file (drawing an empty bitmap draws nothing).
#pragma once
#include "ui/core/Handles.h"

namespace KRUI {

class CBitmap {
 public:
  CBitmap(UniqueGpBitmap native, Gdiplus::GpStatus status) noexcept
      : native_(std::move(native)), status_(status) {}
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
