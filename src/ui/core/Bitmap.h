// One entry of the bitmap table: a GDI+ bitmap, or an empty one when GDI+ could not read
// its file (drawing an empty bitmap draws nothing).
#pragma once
#include <string>

#include "ui/core/Handles.h"

namespace KRUI {

class CBitmap {
 public:
  // A picture of more than 8 bits per channel (16-bit PNGs) is kept at 32 bits per pixel:
  // every draw onto a 32-bit DC converts it anyway, and it would hold twice the memory.
  CBitmap(UniqueGpBitmap native, Gdiplus::GpStatus status) noexcept;
  // A whole picture file, read the first time anything asks about the entry: most pictures
  // of a launcher belong to windows that are not open yet, and reading one costs time at
  // start-up and memory from then on.
  explicit CBitmap(std::wstring file) noexcept;

  Gdiplus::GpBitmap* Native() const noexcept { return Read(); }
  Gdiplus::GpImage* Image() const noexcept { return Read(); }
  Gdiplus::GpStatus LastStatus() const noexcept {
    Read();
    return status_;
  }
  bool IsEmpty() const noexcept { return !Read(); }
  UINT Width() const noexcept;
  UINT Height() const noexcept;

 private:
  Gdiplus::GpBitmap* Read() const noexcept {
    if (unread_) ReadFile();
    return native_.get();
  }
  void ReadFile() const noexcept;
  void Narrow() const noexcept;

  mutable UniqueGpBitmap native_;
  mutable Gdiplus::GpStatus status_ = Gdiplus::Ok;
  mutable std::wstring file_;  // still to read while unread_
  mutable bool unread_ = false;
};

}  // namespace KRUI
