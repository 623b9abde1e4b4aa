// Base of every drawn or hosted control: geometry relative to the parent, visibility,
// hit-testing, children, and the two walks that carry window messages through the tree.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/core/EventxDispatch.h"
#include "ui/core/Objectx.h"

namespace KRUI {

class CHostWindow;
struct AttributeSet;

// Private paint message: wParam is the memory DC the control tree draws into.
constexpr UINT MSG_PAINT = WM_USER + 15;

class CControl : public CObjectx, public CEventxDispatch {
 public:
  ~CControl() override = default;

  ElementKind GetKind() const override { return kKindControl; }
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  // The attributes every control reads, and the declaration of a control with no more.
  static const AttributeSet kAttributes;
  static const ElementDeclaration kDeclaration;

  // 0 (nothing changed) for none or a control that already has a parent; else the count.
  virtual int AddChild(CControl* control);
  virtual CControl* FindChild(const std::string& id);
  virtual std::string GetValue();
  virtual void SetValue(const std::string& text);
  virtual bool HitTest(int x, int y);
  virtual void Invalidate();
  // Computes the absolute rectangle inside the parent rectangle (x, y, w, h): a negative
  // position counts from the right/bottom edge, a size of 0 or less is the parent's plus it.
  virtual void Arrange(int x, int y, int w, int h);
  virtual void SetVisible(bool visible);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  // Visible, non-empty, and every ancestor visible.
  virtual bool IsDisplayable();

  // This control, then its children first to last; stops at the first that handles.
  LRESULT RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  // The children last to first (each recursively), then this control.
  LRESULT RouteMessageReverse(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

  // Sets the host window of this control and of every descendant.
  void SetHostWindow(CHostWindow* host);
  CHostWindow* HostWindow() const { return host_; }
  CControl* Parent() const { return parent_; }
  const std::vector<CControl*>& Children() const { return children_; }

  const std::string& Id() const { return id_; }
  // The position as declared ("pos"), before negative values are counted from the edges.
  int DeclaredX() const { return posX_; }
  int DeclaredY() const { return posY_; }
  int DeclaredWidth() const { return sizeW_; }
  int DeclaredHeight() const { return sizeH_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsVisible() const { return visible_; }
  bool IsHitTestable() const { return hitTestable_; }
  int HitValue() const { return hitValue_; }
  bool ShownOnce() const { return shownOnce_; }

 protected:
  // Whether the message goes to this control at all (hit tests for mouse messages, the
  // hover control for leave, displayability for paint).
  bool PassesRoutingTest(UINT message, LPARAM lParam);

  std::string id_;
  int posX_ = 0;
  int left_ = 0;
  int posY_ = 0;
  int top_ = 0;
  int sizeW_ = 0;
  int width_ = 0;
  int sizeH_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool hitTestable_ = true;
  int hitValue_ = -1;
  bool shownOnce_ = false;
  std::vector<CControl*> children_;
  CControl* parent_ = nullptr;
  CHostWindow* host_ = nullptr;
};

}  // namespace KRUI
