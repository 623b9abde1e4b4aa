#include "actions/ActionTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/MessagePump.h"
#include "support/TempDir.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/LayoutLoader.h"

namespace KRUITest {
namespace {

// Event numbers below 100 are the tests' own: each names one handler scenario of "flow".
const char kLayout[] = R"(<LayoutRoot>
  <ActWindow id="kw" active="true"/>
  <ActWindow id="idle"/>
  <ActWindow id="fresh1"/>
  <ActWindow id="fresh2"/>
  <ActWindow id="fresh3"/>
  <ActWindow id="fresh4"/>
  <ActWindow id="fresh5"/>
  <ActWindow id="tog" active="true"/>
  <ActWindow id="owner" active="true"/>
  <ActWindow name="anon" active="true"/>
  <ActWindow id="sc" active="true">
    <ActControl id="root"><ActControl id="a"/><ActControl id="b"/></ActControl>
  </ActWindow>
  <ActWindow id="scoff">
    <ActControl id="root"><ActControl id="a"/></ActControl>
  </ActWindow>
  <ActWindow id="wb" active="true">
    <ActControl id="root"><ActBrowser id="br"/><ActControl id="text"/></ActControl>
  </ActWindow>
  <ActComponentWindow id="comps" active="true"><ActComponent id="tray"/></ActComponentWindow>
  <ActDialog id="dlg-nonmodal" active="true"/>
  <ActDialog id="dlg-close" active="true" modal="true" click="root:ok">
    <ActControl id="root">
      <ActControl id="ok">
        <EventHandler interest="101">
          <ShowWindow windowid="owner" show="close" retcode="7"/>
          <Record name="after-close"/>
        </EventHandler>
      </ActControl>
    </ActControl>
  </ActDialog>
  <ActDialog id="dlg-closeall" active="true" modal="true">
    <EventHandler interest="101">
      <QuitApplication method="closewindow"/>
      <Record name="after-closewindow"/>
    </EventHandler>
  </ActDialog>
  <ActWindow id="ghost" active="true"/>
  <ActWindow id="sm" active="true"/>
  <ActWindow id="tm" active="true">
    <EventHandler interest="103"><Record name="tick"/></EventHandler>
  </ActWindow>
  <ActWindow id="sz" active="true">
    <EventHandler interest="104">
      <Condition type="num" condition="eq" num="1"/>
      <Record name="minimised"/>
    </EventHandler>
  </ActWindow>
  <FrameHostWindow id="numeric" pos="60,60" size="200,150" center="false" minimizebox="true" maximizebox="true">
    <ActBrowser id="nb"/>
    <EventHandler interest="104">
      <Condition type="str" condition="equal" str=""/><Record name="size-as-empty-text"/>
    </EventHandler>
    <EventHandler interest="104">
      <Condition type="str" condition="contain" str="1"/><Record name="never-contains"/>
    </EventHandler>
    <EventHandler interest="104">
      <ShellOpenUrl fromdata="event" browser="default"/>
      <WBNavigate windowid="owner" wbid="nb" fromdata="event"/>
      <Record name="size-readers-done"/>
    </EventHandler>
  </FrameHostWindow>
  <ActWindow id="flow" active="true">
    <EventHandler interest="1">
      <QuitApplication/><Record name="q-none"/>
      <QuitApplication method="ExitProcess"/><Record name="q-cased"/>
    </EventHandler>
    <EventHandler interest="2">
      <QuitApplication method="quitmessage"/><Record name="q-message"/>
    </EventHandler>
    <EventHandler interest="3">
      <ShowWindow windowid="dlg-closeall" show="show"/><Record name="after-dialog"/>
    </EventHandler>
    <EventHandler interest="4">
      <ShowWindow windowid="kw" show="normal" showopt="deactive"/><Record name="never4"/>
    </EventHandler>
    <EventHandler interest="5">
      <ShowWindow windowid="idle" show="show"/><Record name="ran5"/>
    </EventHandler>
    <EventHandler interest="6">
      <ShowWindow windowid="fresh2" showopt="active" parentid="main" show="show"/><Record name="never6"/>
    </EventHandler>
    <EventHandler interest="7">
      <SendMessage windowid="sm" message="16" sync="false"/><Record name="posted7"/>
    </EventHandler>
    <EventHandler interest="8">
      <SendMessage windowid="ghost" message="18" sync="false"/><Record name="posted8"/>
    </EventHandler>
    <EventHandler interest="9">
      <CreateTimer windowid="tm" timerid="7" elapse="1"/><Record name="never9"/>
    </EventHandler>
    <EventHandler interest="10">
      <StopPropagation/><Record name="never10a"/>
    </EventHandler>
    <EventHandler interest="10"><Record name="never10b"/></EventHandler>
    <EventHandler interest="11">
      <Condition type="num" condition="lt" num="0"/><Record name="negative11"/>
    </EventHandler>
    <EventHandler interest="11"><Record name="next11"/></EventHandler>
    <EventHandler interest="12">
      <ShellOpenUrl page="http://krui.invalid/"/><Record name="ran12"/>
    </EventHandler>
    <EventHandler interest="13">
      <ShowWindow windowid="dlg-close" show="show"/><Record name="after-dialog13"/>
    </EventHandler>
  </ActWindow>
</LayoutRoot>
)";

}  // namespace

void LoadActionLayout() {
  static bool loaded = [] {
    static TempDir dir;
    std::string path = dir.Write("layout\\layout.xml", kLayout);
    return KRUI::CLayoutLoader::Instance().Load(path);
  }();
  ASSERT_TRUE(loaded);
}

KRUI::CHostWindow* AnyWindow(const std::string& id) {
  LoadActionLayout();
  return KRUI::CLayoutLoader::Instance().FindTopLevelWindow(id);
}

CActWindow* ActWindow(const std::string& id) { return dynamic_cast<CActWindow*>(AnyWindow(id)); }

CActDialog* ActDialog(const std::string& id) { return dynamic_cast<CActDialog*>(AnyWindow(id)); }

HWND Native(CActWindow* window) {
  if (!window) return nullptr;
  return window->GetHwnd() ? window->GetHwnd() : window->Create(nullptr);
}

std::unique_ptr<KRUI::CAction> MakeAction(const std::string& name, const KRUI::AttributeMap& attributes) {
  KRUI::CObjectx* object = nullptr;
  if (!KRUI::CreateElement(name, &object) || !object) return nullptr;
  std::unique_ptr<KRUI::CObjectx> owned(object);
  if (object->GetKind() != KRUI::kKindAction) return nullptr;
  object->LoadAttributes(attributes);
  return std::unique_ptr<KRUI::CAction>(static_cast<KRUI::CAction*>(owned.release()));
}

std::string WaitForFile(const std::string& path, unsigned timeoutMs) {
  std::string contents;
  PumpUntil([&] {
    if (!FileExists(path)) return false;
    // Under load a file that has just been renamed into place can exist and still fail
    // to open for a moment: only a read that gave something counts.
    contents = ReadFileBytes(path);
    return !contents.empty();
  }, timeoutMs);
  return contents;
}

bool WaitForQuit(unsigned timeoutMs, int* code) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        if (code) *code = static_cast<int>(msg.wParam);
        return true;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (::GetTickCount() - start >= timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

}  // namespace KRUITest
