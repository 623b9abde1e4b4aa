// The one layout document of the action tests, loaded once into the process's loader (the
// actions look their windows up there), and helpers to reach its elements, make single
// actions, wait for files and for the end of the message loop.
#pragma once
#include <memory>
#include <string>

#include "actions/ActionTestElements.h"
#include "ui/core/Action.h"
#include "ui/core/AttributeMap.h"

#include "support/TestBin.h"

namespace KRUITest {

// Loads the document on first use; later calls return at once.
void LoadActionLayout();

CActWindow* ActWindow(const std::string& id);
CActDialog* ActDialog(const std::string& id);
KRUI::CHostWindow* AnyWindow(const std::string& id);
// A control of a window of the document by path; the test fails when it is missing.
template <typename T>
T* ActControlAt(const std::string& windowId, const std::string& path) {
  KRUI::CHostWindow* window = AnyWindow(windowId);
  return window ? dynamic_cast<T*>(window->FindControl(path)) : nullptr;
}
// The window's native window, made when it does not exist yet.
HWND Native(CActWindow* window);

// An action made through the element registry under its layout name, attributes loaded.
std::unique_ptr<KRUI::CAction> MakeAction(const std::string& name, const KRUI::AttributeMap& attributes);

// The contents of a file once it exists and reads non-empty (pumping messages meanwhile);
// empty after timeoutMs.
std::string WaitForFile(const std::string& path, unsigned timeoutMs);
// True when WM_QUIT arrives within timeoutMs (other messages are dispatched); its code.
bool WaitForQuit(unsigned timeoutMs, int* code);

}  // namespace KRUITest
