// "DeleteInternetExplorerCache": deletes every entry of the system's URL cache, on the
// calling thread ("sync" absent or "true") or on a worker thread that reports back to a
// hidden window, which then shows the layout's "dlg.msgbox2" notice over "wnd.game" (after
// that dialog's current run, when it is running for something else).
#pragma once
#include <memory>

#include "ui/core/Action.h"

class CDeleteInternetExplorerCache : public KRUI::CAction {
 public:
  CDeleteInternetExplorerCache();
  ~CDeleteInternetExplorerCache() override;

  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  // Always stops the handler; a background run while one is in progress does nothing.
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

  bool IsSync() const { return sync_; }
  bool IsBusy() const { return busy_; }

  // Deletes every URL cache entry it can; locked entries are skipped.
  static void ClearUrlCache();
  // The completion notice: the texts into "dlg.msgbox2", shown modally over "wnd.game".
  // False, touching nothing, while that dialog is running; true once shown and closed, or
  // when the layout has no such dialog or window.
  static bool ShowCompletionNotice();

  // The worker's completion message to the notify window.
  static constexpr unsigned kCompletionMessage = 0x0400 + 2;  // WM_USER + 2

 private:
  class _NotifyWindow;
  static unsigned long __stdcall Worker(void* self);
  void OnCompletion();

  bool sync_ = true;
  bool busy_ = false;
  std::unique_ptr<_NotifyWindow> notify_;
};
