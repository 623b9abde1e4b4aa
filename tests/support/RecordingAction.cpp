#include "support/RecordingAction.h"

#include "support/AttributeReaders.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/Control.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"

namespace KRUITest {

KRUI_REGISTER_ELEMENT("Record", RecordingAction);

std::vector<RecordedEvent>& RecordedEvents() {
  static std::vector<RecordedEvent> events;
  return events;
}

std::vector<std::string> RecordedNames() {
  std::vector<std::string> names;
  for (const RecordedEvent& e : RecordedEvents()) names.push_back(e.name);
  return names;
}

bool WasRecorded(const std::string& name) {
  for (const RecordedEvent& e : RecordedEvents())
    if (e.name == name) return true;
  return false;
}

bool RecordingAction::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  KRUI::ReadString(attributes, "name", name_);
  answers_ = attributes.count("retval") != 0;
  return true;
}

KRUI::ActionResult RecordingAction::Execute(KRUI::CEventx& event) {
  const char* text = event.ParamText();
  RecordedEvent e = {name_, event.id, event.param, text != nullptr, text ? text : "", ::GetCurrentThreadId(),
                     "", false, {0, 0, 0, 0}, false, 0};
  e.stack = reinterpret_cast<uintptr_t>(&e);
  HWND hwnd = nullptr;
  if (event.sender && event.sender->GetKind() == KRUI::kKindWindow) {
    auto* w = static_cast<KRUI::CHostWindow*>(event.sender);
    e.sender = w->Id();
    hwnd = w->GetHwnd();
  } else if (event.sender && event.sender->GetKind() == KRUI::kKindControl) {
    auto* c = static_cast<KRUI::CControl*>(event.sender);
    e.sender = c->Id();
    hwnd = c->HostWindow() ? c->HostWindow()->GetHwnd() : nullptr;
  }
  if (hwnd) {
    e.senderVisible = ::IsWindowVisible(hwnd) != FALSE;
    ::GetWindowRect(hwnd, &e.senderRect);
    e.hasEditChild = ::FindWindowExW(hwnd, nullptr, L"Edit", nullptr) != nullptr;
  }
  RecordedEvents().push_back(e);
  if (answers_) event.result = Retval();
  return KRUI::ActionResult::Continue;
}

}  // namespace KRUITest
