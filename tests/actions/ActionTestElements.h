// Elements registered by the action tests. Each window is a real native window; each
// element records what the actions asked of it, so a test can compare calls and effects.
//   <ActWindow id=".." name=".." active=".."/>      a frame-like top-level window
//   <ActDialog id=".." modal="true" click="path"/>  a modal dialog stand-in
//   <ActComponentWindow id=".."><ActComponent id=".."/></ActComponentWindow>
//   <ActControl id=".."/>, <ActBrowser id=".."/>    a plain control and a browser control
// beside the shared <Record name=".."/>, an action that notes it ran.
#pragma once
#include <string>
#include <vector>

#include "browser/EmbedBrowser.h"
#include "support/RecordingAction.h"
#include "ui/core/Action.h"
#include "ui/core/Control.h"
#include "ui/core/Handles.h"
#include "ui/core/HostWindow.h"
#include "ui/core/Win32Component.h"

namespace KRUITest {

// A top-level window like a frame window: Show/Hide/Toggle/Create are recorded in `calls`
// ("create", "show:<cmd>", "hide:<code>", "toggle:<cmd>,<code>"). Its procedure keeps WM_CLOSE
// (counted, the window stays), answers WM_TIMER by killing the timer, noting it and raising
// event 103, raises 104 with the WM_SIZE type, and notes every message from WM_USER up.
class CActWindow : public KRUI::CHostWindow {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  HWND GetHwnd() override { return hwnd_.get(); }
  HWND Create(HWND parent) override;
  int Show(int command, bool toFront) override;
  void Hide(int code) override;
  int Toggle(int command, int code) override;

  std::vector<std::string> calls;
  HWND createdWithParent = nullptr;
  int closeCount = 0;
  std::vector<UINT> userMessages;
  // Timer ids as they ticked, with the tick count of each.
  std::vector<UINT_PTR> ticks;
  std::vector<DWORD> tickTimes;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  std::string name_;
  KRUI::UniqueHwnd hwnd_;
};

// Behaves like the popup host dialog towards the actions: GetHwnd is the dialog's handle
// during a modal run only; Create remembers the parent; Show runs the dialog modally when
// `modal` is "true" (else -1), returns its end code and clears the active flag; Hide ends
// it with the code; Close ends it with 2. On WM_INITDIALOG it raises 101 on itself and then
// on the control at `click`, the way a button click inside the dialog would.
class CActDialog : public KRUI::CHostWindow {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  HWND GetHwnd() override { return hwnd_; }
  HWND Create(HWND parent) override;
  int Show(int command, bool toFront) override;
  void Hide(int code) override;
  void Close() override;

  std::vector<int> endCodes;  // what each Show returned
  int createCount = 0;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  bool modal_ = false;
  std::string click_;
  HWND parent_ = nullptr;
  HWND hwnd_ = nullptr;  // owned by the modal run
};

// Records show/hide/toggle calls.
class CActComponent : public KRUI::CWin32Component {
 public:
  void Show() override { calls.push_back("show"); }
  void Hide() override { calls.push_back("hide"); }
  void Toggle(int a, int b) override { calls.push_back("toggle:" + std::to_string(a) + "," + std::to_string(b)); }
  std::vector<std::string> calls;
};

// A top-level window that holds components, like the component host window.
class CActComponentWindow : public CActWindow {
 public:
  bool AddComponent(KRUI::CWin32Component* component) override;
  KRUI::CWin32Component* FindComponent(const std::string& id) override;

 private:
  std::vector<KRUI::CWin32Component*> components_;
};

// A plain control recording "visible:<0|1>" and "invalidate" in order.
class CActControl : public KRUI::CControl {
 public:
  void SetVisible(bool visible) override;
  void Invalidate() override;
  std::vector<std::string> calls;
};

// A browser control: a control that also offers the embedded-browser interface.
class CActBrowser : public KRUI::CControl, public KRUI::CEmbedBrowser {
 public:
  bool Navigate(const std::string& url) override;
  bool Stop() override;
  bool Refresh(bool ignoreCache) override;
  std::vector<std::string> calls;  // "navigate:<url>", "stop", "refresh:<0|1>"
};

}  // namespace KRUITest
