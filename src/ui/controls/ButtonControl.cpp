#include "ui/controls/ButtonControl.h"

#include <string>
#include <vector>

#include "ui/controls/ImageControl.h"
#include "ui/controls/TextControl.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

namespace {

// The children's attributes, named on the button with these prefixes.
constexpr char kImagePrefix[] = "image-";
constexpr char kTextPrefix[] = "text-";

}  // namespace

KRUI_REGISTER_ELEMENT("Button", CButtonControl);
const ElementDeclaration CButtonControl::kDeclaration = {
    kKindControl,
    "a picture button with an optional caption: bitmap present makes its background (an id the tables lack paints "
    "the background's fill colour), text present its caption",
    {&CControl::kAttributes},
    {
        {"bitmap", AttributeSyntax::kBitmapList, "", kListLimit, nullptr,
         "pictures for normal and hover; a third and fourth are kept but never shown",
         Into<&CButtonControl::bitmapIds_>()},
        {"text", AttributeSyntax::kText, "", 0, nullptr,
         "present: the button has a caption, set with the text- attributes (its string is text-text); this value "
         "is not used",
         Into<&CButtonControl::text_>()},
        {"textcolor", AttributeSyntax::kList, "", kListLimit, nullptr,
         "caption colours of a button with text, three numbers per look: normal, hover (a third and fourth group "
         "are kept but never shown)",
         Into<&CButtonControl::textColors_>()},
    },
    {{kButtonClickEvent, "clicked", "the left button is released over the button"}},
    {{kTextPrefix, "Text", "the caption's attributes"},
     {kImagePrefix, "Image", "the background picture's attributes"}}};
KRUI_DECLARE_ELEMENT("Button", CButtonControl::kDeclaration);

CButtonControl::CButtonControl() = default;
CButtonControl::~CButtonControl() = default;

bool CButtonControl::LoadAttributes(const AttributeMap& attributes) {
  CControl::LoadAttributes(attributes);

  if (attributes.count("bitmap")) {
    // Items after the fourth have no look to serve and are ignored.
    bitmaps_.fill(nullptr);
    for (size_t i = 0; i < bitmapIds_.size() && i < kLooks; ++i) {
      bitmaps_[i] = BitmapTable::Instance().LookupBitmap(bitmapIds_[i]);
    }
    const bool added = !background_;
    if (added) background_.reset(new CImageControl());
    AttributeMap imageAttributes = {{"id", "@BUTTON.BKG"}};
    CopyAttributesWithPrefix(imageAttributes, attributes, kImagePrefix);
    // Never hit, whatever "image-hitalbe" says, and always showing entry 0, even an empty
    // one, whatever "image-bitmap" says.
    imageAttributes["hitalbe"] = "false";
    background_->LoadAttributes(imageAttributes);
    background_->SetBitmap(bitmaps_[0]);
    if (added) AddChild(background_.get());
  }

  if (attributes.count("text")) {
    const bool added = !caption_;
    if (added) caption_.reset(new CTextControl());
    AttributeMap textAttributes = {{"id", "@BUTTON.TEXT"}};
    CopyAttributesWithPrefix(textAttributes, attributes, kTextPrefix);
    caption_->LoadAttributes(textAttributes);
    if (attributes.count("textcolor")) {
      // Whole groups of three only: a trailing incomplete group and groups after the
      // fourth are ignored.
      captionColors_.fill(std::nullopt);
      for (size_t i = 0; i + 3 <= textColors_.size() && i / 3 < kLooks; i += 3) {
        captionColors_[i / 3] =
            MakeOpaqueColor(ParseInt(textColors_[i]), ParseInt(textColors_[i + 1]), ParseInt(textColors_[i + 2]));
      }
      if (captionColors_[0]) caption_->SetColor(*captionColors_[0]);
    }
    if (added) AddChild(caption_.get());
  }
  return true;
}

bool CButtonControl::SetText(const std::string& text) {
  if (!caption_) return false;
  caption_->SetText(text);
  return true;
}

void CButtonControl::ShowLook(size_t index) {
  if (background_) background_->SetBitmap(bitmaps_[index]);
  if (caption_ && captionColors_[index]) caption_->SetColor(*captionColors_[index]);
  Invalidate();
}

LRESULT CButtonControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = CControl::HandleMessage(message, wParam, lParam, handled);
  switch (message) {
    case WM_LBUTTONUP:
      handled = true;
      RaiseEvent(this, kButtonClickEvent);
      return 0;
    case WM_MOUSEHOVER:
      handled = true;
      if (!hovered_ && bitmaps_[1]) {
        hovered_ = true;
        ShowLook(1);
      }
      return 0;
    case WM_MOUSELEAVE:
      handled = true;
      if (hovered_ && bitmaps_[0]) {
        hovered_ = false;
        ShowLook(0);
      }
      return 0;
    default:
      return result;
  }
}

}  // namespace KRUI
