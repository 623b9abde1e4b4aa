// Elements registered by the core tests, standing in for the real windows, controls,
// components and actions.
#pragma once
#include <string>
#include <vector>

#include "support/TestHostWindow.h"
#include "ui/core/Action.h"
#include "ui/core/Control.h"
#include "ui/core/Win32Component.h"

namespace KRUITest {

// What the test actions did, in order: "<name>:<event id>".
std::vector<std::string>& ActionLog();

// "TestAction": logs itself; "stop"="true" stops its handler; "clear"="true" clears propagate;
// writes its retval into the event's result.
class TestAction : public KRUI::CAction {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

  std::string name;
  bool stop = false;
  bool clear = false;
  KRUI::AttributeMap attributes;  // everything it was given, for loader tests
};

// "TestWindow": a host window that refuses components (like a frame window).
class TestWindow : public TestHostWindow {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  KRUI::AttributeMap attributes;
};

// "TestComponentWindow": accepts components like the component host window.
class TestComponentWindow : public TestHostWindow {
 public:
  bool AddComponent(KRUI::CWin32Component* component) override;
  KRUI::CWin32Component* FindComponent(const std::string& id) override;
  std::vector<KRUI::CWin32Component*> components;
};

// "TestControl": a control that records the messages it was offered.
class TestControl : public KRUI::CControl {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  KRUI::AttributeMap attributes;
  // Set to a message to mark it handled (returning handleResult).
  UINT handles = 0;
  LRESULT handleResult = 0;
};

// Messages offered to TestControls, as "<id>:<message>".
std::vector<std::string>& MessageLog();

// "TestComponent".
class TestComponent : public KRUI::CWin32Component {};

}  // namespace KRUITest
