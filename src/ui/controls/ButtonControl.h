// "Button": an Image child as its background and a Text child as its caption, both built
// from prefixed attributes ("image-", "text-"), a normal and a hover look, and click
// event 101 when the left button is released over it.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/core/Control.h"

namespace KRUI {

class CBitmap;
class CImageControl;
class CTextControl;

// Event raised on the button when the left mouse button is released over it.
constexpr int kButtonClickEvent = 101;

class CButtonControl : public CControl {
 public:
  static constexpr size_t kLooks = 4;  // entry 0 normal, 1 hover; 2 and 3 stored only

  CButtonControl();
  ~CButtonControl() override;

  // After the table: builds the background (when "bitmap" is present) from the "image-"
  // attributes, and the caption (when "text" is present) from the "text-" attributes and
  // "textcolor".
  bool LoadAttributes(const AttributeMap& attributes) override;
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // The caption, or none for a button made without a "text" attribute.
  CTextControl* Caption() const { return caption_.get(); }
  // Replaces the caption's string (drawn at the next paint); false when there is no caption.
  bool SetText(const std::string& text);
  CImageControl* Background() const { return background_.get(); }
  bool IsHovered() const { return hovered_; }

 private:
  // Switches background and caption colour to look `index` (0 normal, 1 hover).
  void ShowLook(size_t index);

  // As written: the ids of "bitmap", "text" (only its presence counts) and the numbers of
  // "textcolor".
  std::vector<std::string> bitmapIds_;
  std::string text_;
  std::vector<std::string> textColors_;
  std::array<const CBitmap*, kLooks> bitmaps_{};
  std::array<std::optional<uint32_t>, kLooks> captionColors_{};
  bool hovered_ = false;
  std::unique_ptr<CTextControl> caption_;
  std::unique_ptr<CImageControl> background_;
};

}  // namespace KRUI
