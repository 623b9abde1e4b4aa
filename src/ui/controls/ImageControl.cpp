#include "ui/controls/ImageControl.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Handles.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Image", CImageControl);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindControl, "a bitmap of the bitmap tables, or a fill colour", {&::KRUI::kControlAttributes},
    {
        {"bitmap", ::KRUI::AttributeSyntax::kBitmapId, "", 0, nullptr, "the picture; none paints the fill colour"},
        {"color", ::KRUI::AttributeSyntax::kColour, "0,0,0", 63, nullptr, "fill colour without a bitmap"},
        {"alpha", ::KRUI::AttributeSyntax::kInteger, "255", 0, nullptr, "stored only: the fill colour stays opaque"},
        {"fit", ::KRUI::AttributeSyntax::kChoice, "", 0, "wrap|center|left|right", "how the bitmap fills the control; empty stretches"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("Image", kElementDeclaration);

using namespace Gdiplus::DllExports;

bool CImageControl::LoadAttributes(const AttributeMap& attributes) {
  CControl::LoadAttributes(attributes);
  std::string id;
  if (ReadString(attributes, "bitmap", id)) bitmap_ = BitmapTable::Instance().LookupBitmap(id);
  ReadColor(attributes, "color", fillColor_);
  // "alpha" comes after "color" and does not act on it: documents that set both have always
  // been drawn with the opaque colour, so the byte is only stored.
  int alpha = alpha_;
  if (ReadInt(attributes, "alpha", alpha)) alpha_ = static_cast<uint8_t>(alpha & 0xFF);
  ReadString(attributes, "fit", fit_);
  return true;
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

  if (fit_ == "wrap") {
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
  if (fit_ == "center") {
    GdipDrawImageRectI(graphics.get(), image, left_ + (width_ - iw) / 2, top_ + (height_ - ih) / 2, iw, ih);
  } else if (fit_ == "left") {
    GdipDrawImageRectI(graphics.get(), image, left_, top_ + (height_ - ih) / 2, iw, ih);
  } else if (fit_ == "right") {
    GdipDrawImageRectI(graphics.get(), image, left_ + width_ - iw, top_ + (height_ - ih) / 2, iw, ih);
  } else {
    GdipDrawImageRectI(graphics.get(), image, left_, top_, width_, height_);
  }
}

}  // namespace KRUI
