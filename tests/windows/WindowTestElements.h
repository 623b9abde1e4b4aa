// Elements the window tests declare in their layouts.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/core/Action.h"
#include "ui/core/Control.h"

namespace KRUITest {

struct RecordedEvent {
  std::string sender;  // id of the window or control that raised it
  int id;
  intptr_t param;
  bool senderVisible;  // the sender's native window was visible at that moment
  RECT senderRect;     // and had this rectangle
};
std::vector<RecordedEvent>& RecordedEvents();

// "RecordEvent": records every event it runs for.
class RecordEventAction : public KRUI::CAction {
 public:
  bool Execute(KRUI::CEventx& event) override;
};

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
