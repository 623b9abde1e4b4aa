// A program for the action tests: loads the layout document named by its first argument
// into the process's loader and raises event 1 on its window "w", as a launcher would. If
// the dispatch returns, it writes "returned" to the file named by its second argument and
// ends with 3.
#include <windows.h>

#include <fstream>

#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"

namespace {

// A window element without a native window: enough to hold handlers.
class CBareWindow : public KRUI::CHostWindow {
 public:
  HWND GetHwnd() override { return nullptr; }
  int Show(int, bool) override { return 0; }
  void Hide(int) override {}
};

KRUI_REGISTER_ELEMENT("BareWindow", CBareWindow);

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  KRUI::CLayoutLoader& loader = KRUI::CLayoutLoader::Instance();
  if (!loader.Load(argv[1])) return 2;
  KRUI::CHostWindow* window = loader.FindTopLevelWindow("w");
  if (!window) return 2;
  window->RaiseEvent(window, 1);
  std::ofstream(argv[2], std::ios::binary) << "returned";
  return 3;
}
