// Base of the layout's windows: one native window and the tree of controls drawn in it.
// This is the face the loader and the actions see; concrete windows live in ui/windows/.
#pragma once
#include <windows.h>

#include <string>

#include "ui/core/EventxDispatch.h"
#include "ui/core/Objectx.h"

namespace KRUI {

class CControl;
struct AttributeSet;
class CWin32Component;

// Events host windows raise on themselves.
constexpr int kWindowEventCreated = 101;
constexpr int kWindowEventTimer = 103;
constexpr int kWindowEventSize = 104;
constexpr int kWindowEventCloseRequest = 105;

// Longest control path FindControl follows.
constexpr size_t kControlPathLimit = 127;

class CHostWindow : public CObjectx, public CEventxDispatch {
 public:
  ~CHostWindow() override = default;

  ElementKind GetKind() const override { return kKindWindow; }
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  // The attributes every window reads, and the declaration of a window with no more.
  static const AttributeSet kAttributes;
  static const ElementDeclaration kDeclaration;

  virtual HWND GetHwnd() = 0;
  // Base: creates nothing and answers GetHwnd().
  virtual HWND Create(HWND parent);
  // Posts WM_CLOSE to the native window, if any.
  virtual void Close();
  virtual int Show(int command, bool toFront) = 0;
  virtual void Hide(int code) = 0;
  // Shows a hidden window, restores a minimised one, hides a shown one.
  virtual int Toggle(int command, int code);
  // Repaints the whole client area without erasing.
  virtual bool Invalidate();
  // One root control per window; the whole subtree gets this window as host.
  virtual bool SetRootControl(CControl* control);
  virtual CControl* GetRootControl();
  // Ids separated by ':' starting with the root's id; none for any path it cannot follow.
  virtual CControl* FindControl(const std::string& path);
  // Only the component host window accepts components.
  virtual bool AddComponent(CWin32Component* component);
  virtual CWin32Component* FindComponent(const std::string& id);

  const std::string& Id() const { return id_; }
  // The declared client size ("size").
  int DeclaredWidth() const { return width_; }
  int DeclaredHeight() const { return height_; }
  bool IsActive() const { return active_; }
  void SetActive(bool active) { active_ = active; }
  CControl* HoverControl() const { return hover_; }
  void SetHoverControl(CControl* control) { hover_ = control; }

 protected:
  std::string id_;
  int x_ = 0;
  int y_ = 0;
  int width_ = 0;
  int height_ = 0;
  int minWidth_ = 0;
  int minHeight_ = 0;
  bool center_ = true;
  bool visible_ = true;
  bool active_ = false;
  CControl* root_ = nullptr;
  CControl* hover_ = nullptr;
};

}  // namespace KRUI
