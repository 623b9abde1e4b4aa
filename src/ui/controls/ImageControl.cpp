#include "ui/controls/ImageControl.h"

#include "ui/core/BitmapTable.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Handles.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Image", CImageControl);
const ElementDeclaration CImageControl::kDeclaration = {
    kKindControl, "a bitmap of the bitmap tables, or a fill colour", {&CControl::kAttributes},
    {
        {"bitmap", AttributeSyntax::kBitmapId, "", 0, nullptr,
         "the picture; none, or an id the tables lack, paints the fill colour",
         Via<&CImageControl::SetBitmapId, &CImageControl::BitmapId>()},
        {"color", AttributeSyntax::kColour, "0,0,0", kColorLimit, nullptr, "fill colour without a bitmap",
         Into<&CImageControl::fillColor_>()},
        {"alpha", AttributeSyntax::kInteger, "255", 0, nullptr,
         "stored only (low 8 bits): the fill colour stays opaque",
         Into<&CImageControl::alpha_>()},
        {"fit", AttributeSyntax::kChoice, "", 0, "wrap|center|left|right",
         "how the bitmap fills the control: tiled, or at its own size centred, at the left or at the right; "
         "any other stretches it",
         Into<&CImageControl::fit_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("Image", CImageControl::kDeclaration);

using namespace Gdiplus::DllExports;

void CImageControl::SetBitmapId(const std::string& id) {
  bitmapId_ = id;
  bitmap_ = BitmapTable::Instance().LookupBitmap(id);
}

LRESULT CImageControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = CControl::HandleMessage(message, wParam, lParam, handled);
  if (message == MSG_PAINT) Paint(reinterpret_cast<HDC>(wParam));
  return result;
}

void CImageControl::Paint(HDC dc) {
  if (!dc) return;
  UniqueGpGraphics graphics;
  if (GdipCreateFromHDC(dc, graphics.put()) != Gdiplus::Ok) return;

  if (!bitmap_) {
    Gdiplus::GpSolidFill* solid = nullptr;
    if (GdipCreateSolidFill(fillColor_, &solid) != Gdiplus::Ok) return;
    UniqueGpBrush brush(solid);
    GdipFillRectangleI(graphics.get(), brush.get(), left_, top_, width_, height_);
    return;
  }
  // An entry whose file GDI+ could not read draws nothing.
  Gdiplus::GpImage* image = bitmap_->Image();
  if (!image) return;

  if (fit_ == Fit::kWrap) {
    Gdiplus::GpTexture* texture = nullptr;
    if (GdipCreateTexture(image, Gdiplus::WrapModeTile, &texture) != Gdiplus::Ok) return;
    UniqueGpBrush brush(texture);
    // Tiles start at the control's corner, not at the device origin.
    GdipTranslateTextureTransform(texture, static_cast<Gdiplus::REAL>(left_),
                                  static_cast<Gdiplus::REAL>(top_), Gdiplus::MatrixOrderPrepend);
    GdipFillRectangleI(graphics.get(), brush.get(), left_, top_, width_, height_);
    return;
  }

  const int iw = static_cast<int>(bitmap_->Width());
  const int ih = static_cast<int>(bitmap_->Height());
  // Natural-size modes may spill over the rectangle; integer division truncates toward zero.
  if (fit_ == Fit::kCenter) {
    GdipDrawImageRectI(graphics.get(), image, left_ + (width_ - iw) / 2, top_ + (height_ - ih) / 2, iw, ih);
  } else if (fit_ == Fit::kLeft) {
    GdipDrawImageRectI(graphics.get(), image, left_, top_ + (height_ - ih) / 2, iw, ih);
  } else if (fit_ == Fit::kRight) {
    GdipDrawImageRectI(graphics.get(), image, left_ + width_ - iw, top_ + (height_ - ih) / 2, iw, ih);
  } else {
    GdipDrawImageRectI(graphics.get(), image, left_, top_, width_, height_);
  }
}

}  // namespace KRUI
