#include "ui/controls/TextControl.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/Handles.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Text", CTextControl);
const ElementDeclaration CTextControl::kDeclaration = {
    kKindControl, "a line or block of text drawn with GDI+", {&CControl::kAttributes},
    {
        {"text", AttributeSyntax::kText, "", 0, nullptr, "the text", Into<&CTextControl::text_>()},
        {"face", AttributeSyntax::kText, "", 0, nullptr,
         "font family; empty, or longer than 31 characters, for the system font", Into<&CTextControl::face_>(),
         kFaceNameLimit},
        {"weight", AttributeSyntax::kInteger, "0", 0, nullptr, "font weight (400 normal, 700 bold); 0 for the font's own",
         Into<&CTextControl::weight_>()},
        {"height", AttributeSyntax::kInteger, "0", 0, nullptr, "font height in pixels; 0 for the font's own",
         Into<&CTextControl::fontHeight_>()},
        {"width", AttributeSyntax::kInteger, "0", 0, nullptr, "average character width; 0 for the font's own",
         Into<&CTextControl::fontWidth_>()},
        {"underline", AttributeSyntax::kFlag, "false", 0, nullptr, "", Into<&CTextControl::underline_>()},
        {"strikeout", AttributeSyntax::kFlag, "false", 0, nullptr, "", Into<&CTextControl::strikeout_>()},
        {"italic", AttributeSyntax::kFlag, "false", 0, nullptr, "", Into<&CTextControl::italic_>()},
        {"color", AttributeSyntax::kColour, "", kColorLimit, nullptr, "text colour; without one the text is not drawn",
         Into<&CTextControl::color_>()},
        {"direction", AttributeSyntax::kChoice, "", 0, "right|vertical", "reading direction; any other for left to right",
         Into<&CTextControl::direction_>()},
        {"alignment", AttributeSyntax::kChoice, "", 0, "near|center|far", "horizontal alignment; any other for near",
         Into<&CTextControl::alignment_>()},
        {"valignment", AttributeSyntax::kChoice, "", 0, "near|center|far", "vertical alignment; any other for near",
         Into<&CTextControl::valignment_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("Text", CTextControl::kDeclaration);

using namespace Gdiplus::DllExports;

namespace {

Gdiplus::StringAlignment AlignmentFrom(CTextControl::Alignment value) {
  if (value == CTextControl::Alignment::kCenter) return Gdiplus::StringAlignmentCenter;
  if (value == CTextControl::Alignment::kFar) return Gdiplus::StringAlignmentFar;
  return Gdiplus::StringAlignmentNear;
}

}  // namespace

void CTextControl::SetChildText(CControl* parent, const char* id, const std::string& text) {
  if (auto* control = dynamic_cast<CTextControl*>(parent ? parent->FindChild(id) : nullptr)) control->SetText(text);
}

bool CTextControl::LoadAttributes(const AttributeMap& attributes) {
  font_.reset();
  format_.reset();
  return CControl::LoadAttributes(attributes);
}

LRESULT CTextControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = CControl::HandleMessage(message, wParam, lParam, handled);
  if (message == MSG_PAINT) {
    // Painting runs inside the window procedure: a failed allocation draws nothing.
    try {
      Paint(reinterpret_cast<HDC>(wParam));
    } catch (...) {
    }
  }
  return result;
}

void CTextControl::Paint(HDC dc) {
  if (!dc || text_.empty()) return;
  const std::wstring text = ThreadAnsiToWide(text_);
  if (text.empty()) return;

  UniqueGpGraphics graphics;
  if (GdipCreateFromHDC(dc, graphics.put()) != Gdiplus::Ok) return;

  const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
  if (!font_ || fontDpi_ != dpi) {
    LOGFONTW logfont = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logfont), &logfont);
    if (!face_.empty() && face_.size() <= kFaceNameLimit) {
      ::lstrcpynW(logfont.lfFaceName, ThreadAnsiToWide(face_).c_str(), LF_FACESIZE);
    }
    if (weight_ > 0) logfont.lfWeight = weight_;
    if (fontHeight_ > 0) logfont.lfHeight = fontHeight_;
    if (fontWidth_ > 0) logfont.lfWidth = fontWidth_;
    logfont.lfItalic = italic_ ? TRUE : FALSE;
    logfont.lfUnderline = underline_ ? TRUE : FALSE;
    logfont.lfStrikeOut = strikeout_ ? TRUE : FALSE;
    font_.reset();
    if (GdipCreateFontFromLogfontW(dc, &logfont, font_.put()) != Gdiplus::Ok) {
      font_.reset();
      return;
    }
    fontDpi_ = dpi;
  }

  Gdiplus::GpSolidFill* solid = nullptr;
  if (GdipCreateSolidFill(color_, &solid) != Gdiplus::Ok) return;
  UniqueGpBrush brush(solid);

  if (!format_) {
    INT flags = 0;
    if (direction_ == Direction::kRight) {
      flags = Gdiplus::StringFormatFlagsDirectionRightToLeft;
    } else if (direction_ == Direction::kVertical) {
      flags = Gdiplus::StringFormatFlagsDirectionVertical;
    }
    if (GdipCreateStringFormat(flags, LANG_NEUTRAL, format_.put()) != Gdiplus::Ok) {
      format_.reset();
      return;
    }
    GdipSetStringFormatAlign(format_.get(), AlignmentFrom(alignment_));
    GdipSetStringFormatLineAlign(format_.get(), AlignmentFrom(valignment_));
  }

  const Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(left_), static_cast<Gdiplus::REAL>(top_),
                              static_cast<Gdiplus::REAL>(width_), static_cast<Gdiplus::REAL>(height_));
  GdipDrawString(graphics.get(), text.c_str(), static_cast<INT>(text.size()), font_.get(), &layout,
                 format_.get(), brush.get());
}

}  // namespace KRUI
