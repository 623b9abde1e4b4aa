// "Edit": the one control the runtime does not draw. It places a native single-line EDIT
// box in its host window when the host's native window comes into being, at the declared
// position and size, with a font derived from the default GUI font.
#pragma once
#include <string>

#include "ui/core/Control.h"
#include "ui/core/Handles.h"

namespace KRUI {

class CEditControl : public CControl {
 public:
  ~CEditControl() override;

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // "face", "weight", "height", "width": the box's font, also read by the hotkey edit.
  static const AttributeSet kFontAttributes;
  // An edit box has no children: always 0.
  int AddChild(CControl* control) override;
  // Makes the box at the host's WM_CREATE / WM_INITDIALOG, forgets it at WM_DESTROY.
  // Never marks a message handled beyond what the base does.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // The native box while it exists.
  HWND EditHandle() const { return edit_; }
  HFONT Font() const { return font_.get(); }

 private:
  void CreateBox();
  void ForgetBox();
  UniqueHfont MakeFont() const;

  HWND edit_ = nullptr;
  std::string face_;
  int weight_ = 0;
  int fontHeight_ = 0;
  int fontWidth_ = 0;
  // Lives while the box may draw with it; given back once the box lets go of it.
  UniqueHfont font_;
};

}  // namespace KRUI
