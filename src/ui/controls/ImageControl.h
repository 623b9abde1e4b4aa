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

  // How a bitmap fills the rectangle: the words of "fit" in their declared order; any
  // other word stretches it.
  enum class Fit { kStretch, kWrap, kCenter, kLeft, kRight };

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // An entry of the bitmap table (not owned) or none, which paints the fill colour.
  void SetBitmap(const CBitmap* bitmap) { bitmap_ = bitmap; }
  const CBitmap* Bitmap() const { return bitmap_; }
  // The id "bitmap" gave; what is drawn is Bitmap().
  const std::string& BitmapId() const { return bitmapId_; }
  uint32_t FillColor() const { return fillColor_; }
  // The low 8 bits of "alpha".
  uint8_t Alpha() const { return static_cast<uint8_t>(alpha_ & 0xFF); }

 private:
  // "bitmap": the id is kept and looked up at once; an id the table lacks gives none.
  void SetBitmapId(const std::string& id);
  void Paint(HDC dc);

  std::string bitmapId_;
  const CBitmap* bitmap_ = nullptr;
  uint32_t fillColor_ = 0xFF000000u;
  // Kept for the document's sake: documents that set both "color" and "alpha" have always
  // been drawn with the opaque colour.
  int alpha_ = 255;
  Fit fit_ = Fit::kStretch;
};

}  // namespace KRUI
