// Elements the window tests declare in their layouts, beside the shared "Record".
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/RecordingAction.h"
#include "ui/core/Action.h"
#include "ui/core/Control.h"
#include "ui/core/Win32Component.h"

namespace KRUITest {

// "EndOwner": ends (hides) the event's owner window with "code".
class EndOwnerAction : public KRUI::CAction {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

 private:
  int code_ = 0;
};

// "SendOwner": sends "message" (wParam 0, lParam 0) to the event's owner window at once,
// the way a synchronous SendMessage action aimed at its own window does.
class SendOwnerAction : public KRUI::CAction {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

 private:
  int message_ = 0;
};

// "EditMaker": a control that makes a native Edit child in its window at WM_INITDIALOG.
class EditMakerControl : public KRUI::CControl {
 public:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
};

// "Grabber": a component that takes message "takes" (answering "answer") and logs
// "<id>:<message>" for every message it takes.
class GrabberComponent : public KRUI::CWin32Component {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  int takes_ = -1;
  int answer_ = 0;
};
std::vector<std::string>& GrabberLog();

// "Box": fills its rectangle with "color" (opaque; nothing when absent); with "clicks" set it
// takes WM_LBUTTONUP like a button and raises 101; logs what it was offered.
class BoxControl : public KRUI::CControl {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  uint32_t color_ = 0;
  bool hasColor_ = false;
  bool clicks_ = false;
};
// "<id>:hover", "<id>:leave", "<id>:click" in order.
std::vector<std::string>& BoxLog();

}  // namespace KRUITest
