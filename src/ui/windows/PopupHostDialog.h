// "PopupHostDialog": a control tree shown in a modal dialog built at run time; showing it
// runs a nested loop and returns the dialog's end code (Enter 1, Escape 2, Hide's code).
#pragma once
#include <memory>
#include <string>

#include "ui/core/HostWindow.h"
#include "ui/windows/WindowMessageDispatcher.h"

namespace KRUI {

class _PopupDialog;

class CPopupHostDialog : public CHostWindow, public CWindowMessageDispatcher {
 public:
  CPopupHostDialog();
  ~CPopupHostDialog() override;

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // The dialog's handle while a run is in progress.
  HWND GetHwnd() override;
  // Makes the dialog object and remembers the owner; the native dialog comes with Show.
  HWND Create(HWND parent) override;
  // Ends a running dialog with 2.
  void Close() override;
  // Runs the dialog modally and returns its end code; -1 when not created, not modal or
  // already running.
  int Show(int command, bool toFront) override;
  // Ends a running dialog with code.
  void Hide(int code) override;

  bool RouteWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  bool IsModal() const { return modal_; }
  const std::string& Pwid() const { return pwid_; }

 private:
  friend class _PopupDialog;

  std::unique_ptr<_PopupDialog> dialog_;
  bool modal_ = true;
  bool running_ = false;
  std::string pwid_;
  HWND parent_ = nullptr;
};

}  // namespace KRUI
