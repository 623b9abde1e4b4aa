// "Win32TrayIcon": the launcher's icon in the notification area. A double-click raises
// 102, a right-button release 103; Show/Hide/Toggle add and remove it. A shown icon is added
// again when the taskbar is made again, and removed when its host window is destroyed.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "ui/core/Handles.h"
#include "ui/core/Win32Component.h"

// The callback message the shell sends the host window for mouse actions on the icon.
constexpr UINT kTrayCallbackMessage = 0x8001;
constexpr int kTrayDoubleClickEvent = 102;
constexpr int kTrayRightClickEvent = 103;
// A tip of this many bytes or more is not taken.
constexpr size_t kTrayTipLimit = 128;

class CWin32TrayIcon : public KRUI::CWin32Component {
 public:
  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  // Adds the icon; shown tells whether the shell holds it (also when it did already).
  void Show() override;
  void Hide() override;
  void Toggle(int command, int code) override;

  // The record handed to the shell; the tip only when adding.
  NOTIFYICONDATAW MakeRecord(bool withTip);
  bool IsShown() const { return shown_; }
  HICON Icon() const { return icon_.get(); }
  const std::string& Tip() const { return tip_; }

 private:
  // Loads the icon at once, relative to the folder of the layout document being loaded.
  void SetIcon(const std::string& path);
  const std::string& IconPath() const { return iconPath_; }
  // A tip of kTrayTipLimit bytes or more is ignored: the earlier one stays.
  void SetTip(const std::string& tip);
  void Add();

  std::string iconPath_;
  KRUI::UniqueHicon icon_;
  std::string tip_;
  bool shown_ = false;
};
