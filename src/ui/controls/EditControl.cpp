#include "ui/controls/EditControl.h"

#include <cwchar>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/HostWindow.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("Edit", CEditControl);
const AttributeSet CEditControl::kFontAttributes = {
    "edit font",
    {
        {"face", AttributeSyntax::kText, "", 0, nullptr,
         "font family; empty, or longer than 31 characters, for the default GUI font's",
         Into<&CEditControl::face_>(), kFaceNameLimit},
        {"weight", AttributeSyntax::kInteger, "0", 0, nullptr, "font weight; 0 or less for the default GUI font's",
         Into<&CEditControl::weight_>()},
        {"height", AttributeSyntax::kInteger, "0", 0, nullptr, "font height; 0 or less for the default GUI font's",
         Into<&CEditControl::fontHeight_>()},
        {"width", AttributeSyntax::kInteger, "0", 0, nullptr,
         "average character width; 0 or less for the default GUI font's", Into<&CEditControl::fontWidth_>()},
    }};
const ElementDeclaration CEditControl::kDeclaration = {
    kKindControl, "a one-line system edit box", {&CControl::kAttributes, &kFontAttributes}, {}, {}, {}};
KRUI_DECLARE_ELEMENT("Edit", CEditControl::kDeclaration);

namespace {

// A face name fits LOGFONT's 32 units with its terminator.
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;

}  // namespace

CEditControl::~CEditControl() {
  // The box goes before its font.
  if (edit_ && ::IsWindow(edit_)) ::DestroyWindow(edit_);
}

int CEditControl::AddChild(CControl*) { return 0; }

LRESULT CEditControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = CControl::HandleMessage(message, wParam, lParam, handled);
  switch (message) {
    case WM_CREATE:
    case WM_INITDIALOG:
      CreateBox();
      break;
    case WM_DESTROY:
      ForgetBox();
      break;
    default:
      break;
  }
  return result;
}

void CEditControl::CreateBox() {
  // A box left over from a native window that never reported its end goes first.
  if (edit_ && ::IsWindow(edit_)) ::DestroyWindow(edit_);
  edit_ = nullptr;
  HWND parent = host_ ? host_->GetHwnd() : nullptr;
  // The declared values, as they are: the edge-relative rules of layout do not apply.
  edit_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"EDIT", L"", kEditStyle, posX_, posY_, sizeW_, sizeH_, parent,
                            nullptr, ::GetModuleHandleW(nullptr), nullptr);
  UniqueHfont font = MakeFont();
  if (edit_) ::SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  // The previous font served a box that is gone.
  font_ = std::move(font);
}

void CEditControl::ForgetBox() {
  // The host is going: its children (this box) go right after. Take the font back from
  // the box first, so it never holds a deleted one.
  if (edit_ && ::IsWindow(edit_)) ::SendMessageW(edit_, WM_SETFONT, 0, FALSE);
  edit_ = nullptr;
  font_.reset();
}

UniqueHfont CEditControl::MakeFont() const {
  LOGFONTW lf = {};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  if (!face_.empty() && face_.size() <= kFaceNameLimit) {
    const std::wstring face = ThreadAnsiToWide(face_);
    if (!face.empty() && face.size() < LF_FACESIZE) {
      std::wmemset(lf.lfFaceName, 0, LF_FACESIZE);
      std::wmemcpy(lf.lfFaceName, face.data(), face.size());
    }
  }
  if (weight_ > 0) lf.lfWeight = weight_;
  if (fontHeight_ > 0) lf.lfHeight = fontHeight_;
  if (fontWidth_ > 0) lf.lfWidth = fontWidth_;
  return UniqueHfont(::CreateFontIndirectW(&lf));
}

}  // namespace KRUI
