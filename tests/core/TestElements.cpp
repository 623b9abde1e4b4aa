#include "core/TestElements.h"

#include <algorithm>

#include "support/AttributeReaders.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementRegistry.h"

namespace KRUITest {

KRUI_REGISTER_ELEMENT("TestAction", TestAction);
KRUI_REGISTER_ELEMENT("TestWindow", TestWindow);
KRUI_REGISTER_ELEMENT("TestComponentWindow", TestComponentWindow);
KRUI_REGISTER_ELEMENT("TestControl", TestControl);
KRUI_REGISTER_ELEMENT("TestComponent", TestComponent);

std::vector<std::string>& ActionLog() {
  static std::vector<std::string> log;
  return log;
}

std::vector<std::string>& MessageLog() {
  static std::vector<std::string> log;
  return log;
}

bool TestAction::LoadAttributes(const KRUI::AttributeMap& a) {
  CAction::LoadAttributes(a);
  attributes = a;
  KRUI::ReadString(a, "name", name);
  KRUI::ReadFlag(a, "stop", stop);
  KRUI::ReadFlag(a, "clear", clear);
  return true;
}

KRUI::ActionResult TestAction::Execute(KRUI::CEventx& event) {
  ActionLog().push_back(name + ":" + std::to_string(event.id));
  event.result = retval_;
  if (clear) event.propagate = false;
  return stop ? KRUI::ActionResult::Stop : KRUI::ActionResult::Continue;
}

bool TestWindow::LoadAttributes(const KRUI::AttributeMap& a) {
  CHostWindow::LoadAttributes(a);
  attributes = a;
  return true;
}

bool TestComponentWindow::AddComponent(KRUI::CWin32Component* component) {
  if (!component) return false;
  component->SetHostWindow(this);
  components.push_back(component);
  return true;
}

KRUI::CWin32Component* TestComponentWindow::FindComponent(const std::string& id) {
  for (auto* c : components)
    if (c->Id() == id) return c;
  return nullptr;
}

bool TestControl::LoadAttributes(const KRUI::AttributeMap& a) {
  CControl::LoadAttributes(a);
  attributes = a;
  return true;
}

LRESULT TestControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  MessageLog().push_back(id_ + ":" + std::to_string(message));
  if (handles && message == handles) {
    handled = true;
    return handleResult;
  }
  return CControl::HandleMessage(message, wParam, lParam, handled);
}

}  // namespace KRUITest
