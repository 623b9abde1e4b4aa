// "Record": the test programs' action that notes every event it runs for, with what the
// tests ask of it afterwards (its own "name", the event, the sender's window, the thread).
//   <Record name=".." retval=".."/>   with "retval" it also answers the event with it
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/core/Action.h"

namespace KRUITest {

struct RecordedEvent {
  std::string name;  // the action's "name"
  int id;
  intptr_t param;
  bool hasText;      // the param is a text, copied into text
  std::string text;
  DWORD thread;
  std::string sender;  // id of the window or control that raised it
  bool senderVisible;  // the sender's native window was visible at that moment
  RECT senderRect;     // and had this rectangle
  bool hasEditChild;   // and a native "Edit" child
  uintptr_t stack;     // an address on the stack of the action that recorded it
};
// Every event a Record action ran for, in order.
std::vector<RecordedEvent>& RecordedEvents();
// The names of the Record actions that ran, in order; whether one named so ran.
std::vector<std::string> RecordedNames();
bool WasRecorded(const std::string& name);

class RecordingAction : public KRUI::CAction {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

 private:
  std::string name_;
  bool answers_ = false;  // "retval" was given
};

}  // namespace KRUITest
