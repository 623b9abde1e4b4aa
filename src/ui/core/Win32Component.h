// Base of the non-visual elements (tray icon, menus, hotkeys) that live in the hidden
// component host window and react to its messages.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/core/EventxDispatch.h"
#include "ui/core/Objectx.h"

namespace KRUI {

class CHostWindow;
struct AttributeSet;

class CWin32Component : public CObjectx, public CEventxDispatch {
 public:
  ~CWin32Component() override = default;

  ElementKind GetKind() const override { return kKindComponent; }
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  // The attributes every component reads, and the declaration of a component with no more.
  static const AttributeSet kAttributes;
  static const ElementDeclaration kDeclaration;

  // Offers the message to each sub-component in order; the first that handles it wins.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual int AddChild(CWin32Component* component);
  // Asks the owning component window for its native window.
  virtual void Show();
  virtual void Hide();
  virtual void Toggle(int command, int code);

  const std::string& Id() const { return id_; }
  bool IsVisible() const { return visible_; }
  // Set by the component window that accepts this component.
  void SetHostWindow(CHostWindow* host) { host_ = host; }
  CHostWindow* HostWindow() const { return host_; }
  const std::vector<CWin32Component*>& Children() const { return children_; }

 protected:
  std::string id_;
  bool visible_ = false;
  CHostWindow* host_ = nullptr;
  std::vector<CWin32Component*> children_;
};

}  // namespace KRUI
