#include "ui/controls/TextControl.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/Handles.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Text", CTextControl);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindControl, "a line or block of text drawn with GDI+", {&::KRUI::kControlAttributes},
    {
        {"text", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "the text"},
        {"face", ::KRUI::AttributeSyntax::kText, "", 31, nullptr, "font family; empty for the system font"},
        {"weight", ::KRUI::AttributeSyntax::kInteger, "0", 0, nullptr, "font weight (400 normal, 700 bold)"},
        {"height", ::KRUI::AttributeSyntax::kInteger, "0", 0, nullptr, "font height in pixels"},
        {"width", ::KRUI::AttributeSyntax::kInteger, "0", 0, nullptr, "average character width; 0 for the font's own"},
        {"underline", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, ""},
        {"strikeout", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, ""},
        {"italic", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, ""},
        {"color", ::KRUI::AttributeSyntax::kColour, "0,0,0", 63, nullptr, "text colour"},
        {"direction", ::KRUI::AttributeSyntax::kChoice, "", 0, "right|vertical", "reading direction; empty for left to right"},
        {"alignment", ::KRUI::AttributeSyntax::kChoice, "", 0, "near|center|far", "horizontal alignment"},
        {"valignment", ::KRUI::AttributeSyntax::kChoice, "", 0, "near|center|far", "vertical alignment"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("Text", kElementDeclaration);

using namespace Gdiplus::DllExports;

namespace {

// A face replaces the default one only when its code-page form fits LOGFONTW's
// 32-character field with its terminator.
constexpr size_t kFaceLimit = LF_FACESIZE - 1;

Gdiplus::StringAlignment AlignmentFrom(const std::string& value) {
  if (value == "center") return Gdiplus::StringAlignmentCenter;
  if (value == "far") return Gdiplus::StringAlignmentFar;
  return Gdiplus::StringAlignmentNear;
}

}  // namespace

void CTextControl::SetChildText(CControl* parent, const char* id, const std::string& text) {
  if (auto* control = dynamic_cast<CTextControl*>(parent ? parent->FindChild(id) : nullptr)) control->SetText(text);
}

bool CTextControl::LoadAttributes(const AttributeMap& attributes) {
  CControl::LoadAttributes(attributes);
  font_.reset();
  format_.reset();
  ReadString(attributes, "text", text_);
  ReadString(attributes, "face", face_);
  ReadInt(attributes, "weight", weight_);
  ReadInt(attributes, "height", fontHeight_);
  ReadInt(attributes, "width", fontWidth_);
  ReadFlag(attributes, "underline", underline_);
  ReadFlag(attributes, "strikeout", strikeout_);
  ReadFlag(attributes, "italic", italic_);
  ReadColor(attributes, "color", color_);
  ReadString(attributes, "direction", direction_);
  ReadString(attributes, "alignment", alignment_);
  ReadString(attributes, "valignment", valignment_);
  return true;
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
    if (!face_.empty() && face_.size() <= kFaceLimit) {
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
    if (direction_ == "right") {
      flags = Gdiplus::StringFormatFlagsDirectionRightToLeft;
    } else if (direction_ == "vertical") {
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
