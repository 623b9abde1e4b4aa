// "Image": a bitmap of the bitmap table drawn stretched, tiled or at natural size in the
// control's rectangle, or the rectangle filled with a colour when there is no bitmap.
#pragma once
#include <cstdint>
#include <string>

#include "ui/core/Control.h"

namespace KRUI {

class CBitmap;

class CImageControl : public CControl {
 public:
  ~CImageControl() override = default;

  // Reads the common attributes, then "bitmap", "color", "alpha", "fit", in this order.
  bool LoadAttributes(const AttributeMap& attributes) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // An entry of the bitmap table (not owned) or none, which paints the fill colour.
  void SetBitmap(const CBitmap* bitmap) { bitmap_ = bitmap; }
  const CBitmap* Bitmap() const { return bitmap_; }
  uint32_t FillColor() const { return fillColor_; }
  uint8_t Alpha() const { return alpha_; }

 private:
  void Paint(HDC dc);

  const CBitmap* bitmap_ = nullptr;
  uint32_t fillColor_ = 0xFF000000u;
  // Kept for the document's sake; the fill colour stays as parsed (opaque).
  uint8_t alpha_ = 255;
  std::string fit_;
};

}  // namespace KRUI
