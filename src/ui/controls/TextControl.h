// "Text": one string drawn with GDI+ in the control's rectangle, wrapped inside it, with a
// font derived from the default GUI font, a colour and an alignment.
#pragma once
#include <cstdint>
#include <string>

#include "ui/core/Control.h"
#include "ui/core/Handles.h"

namespace KRUI {

class CTextControl : public CControl {
 public:
  ~CTextControl() override = default;

  // The words of "direction" and of "alignment"/"valignment", in their declared order; 0 is
  // any other word (left to right, near).
  enum class Direction { kLeftToRight, kRight, kVertical };
  enum class Alignment { kOther, kNear, kCenter, kFar };

  // The font and format are made again from the new attributes at the next paint.
  bool LoadAttributes(const AttributeMap& attributes) override;
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // Replaces the string; it is drawn at the window's next paint (no repaint is requested).
  void SetText(const std::string& text) { text_ = text; }
  const std::string& Text() const { return text_; }
  // Sets the text of parent's direct child id when it is a text control (the message
  // dialogs' "msgbox.title" and "msgbox.message"); anything else is left alone.
  static void SetChildText(CControl* parent, const char* id, const std::string& text);
  // 0xAARRGGBB; the default 0 is fully transparent, so nothing shows.
  void SetColor(uint32_t argb) { color_ = argb; }
  uint32_t Color() const { return color_; }

 private:
  void Paint(HDC dc);

  std::string text_;
  std::string face_;
  int weight_ = 0;
  int fontHeight_ = 0;
  int fontWidth_ = 0;
  bool underline_ = false;
  bool strikeout_ = false;
  bool italic_ = false;
  uint32_t color_ = 0;
  Direction direction_ = Direction::kLeftToRight;
  Alignment alignment_ = Alignment::kOther;
  Alignment valignment_ = Alignment::kOther;

  // Made at the first paint and kept: only the attributes change them, and making a font
  // costs more than drawing its string. The font is remade for a DC of another resolution.
  UniqueGpFont font_;
  int fontDpi_ = 0;
  UniqueGpStringFormat format_;
};

}  // namespace KRUI
