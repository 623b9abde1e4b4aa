// The "WebBrowser" element with the system's browser control (which, here, raises navigation
// events but never loads a document).
#include <gtest/gtest.h>
#include <docobj.h>
#include <exdispid.h>
#include <mshtmhst.h>
#include <ocidl.h>

#include <algorithm>

#include "app/Application.h"
#include "browser/AcxHostWindow.h"
#include "browser/AxHostWindowClass.h"
#include "browser/OleClientSiteImpl.h"
#include "support/MessagePump.h"
#include "ui/core/Handles.h"
#include "webbrowser/WebBrowserTestSupport.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

template <typename T>
ComPtr<T> Query(IUnknown* from, REFIID iid) {
  ComPtr<T> out;
  if (from) from->QueryInterface(iid, reinterpret_cast<void**>(out.put()));
  return out;
}

RECT ScreenRectOf(HWND hwnd) {
  RECT r = {};
  ::GetWindowRect(hwnd, &r);
  return r;
}

POINT ClientOriginOf(HWND hwnd) {
  POINT p = {0, 0};
  ::ClientToScreen(hwnd, &p);
  return p;
}

size_t FilterEntries(_IMessageFilter* filter) {
  const auto& filters = Application::Get()->MessageFilters();
  return static_cast<size_t>(std::count(filters.begin(), filters.end(), filter));
}

struct PlacementCase {
  const char* child;
  bool childPlacement;
};
const PlacementCase kPlacements[] = {{"", true}, {"child=\"true\"", true}, {"child=\"false\"", false},
                                     {"child=\"TRUE\"", false}};

TEST(WebBrowserControl, CreatedAtTheHostsCreationInEitherPlacementWithItsSinkConnected) {
  for (const PlacementCase& c : kPlacements) {
    SCOPED_TRACE(c.child);
    BrowserWindow w(std::string("pos=\"10,20\" size=\"200,100\" ") + c.child);
    CWebBrowserControl* control = w.Browser();
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(nullptr, control->AxHostWindow());
    HWND host = w.Open();
    ASSERT_NE(nullptr, host);
    HWND ax = control->AxHostWindow();
    ASSERT_NE(nullptr, ax);
    ASSERT_NE(nullptr, control->Browser());
    EXPECT_EQ(c.childPlacement, control->IsChildPlacement());

    // A window of the class derived from the host window class, whose procedure answers.
    wchar_t name[64] = {0};
    ::GetClassNameW(ax, name, 64);
    EXPECT_STREQ(_CAcxHostWindow::kClassName, name);
    ComPtr<IUnknown> hosted;
    hosted.attach(reinterpret_cast<IUnknown*>(::SendMessageW(ax, CAxHostWindowClass::GetControlMessage(), 0, 0)));
    EXPECT_EQ(Query<IUnknown>(control->Browser(), IID_IUnknown).get(), hosted.get());

    const DWORD style = ::GetWindowLongW(ax, GWL_STYLE);
    const DWORD placementBits = WS_CHILD | WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    EXPECT_TRUE(::GetWindowLongW(ax, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(style & WS_VISIBLE);
    const RECT r = ScreenRectOf(ax);
    POINT origin = ClientOriginOf(host);
    EXPECT_EQ(origin.x + 10, r.left);
    EXPECT_EQ(origin.y + 20, r.top);
    EXPECT_EQ(200, r.right - r.left);
    EXPECT_EQ(100, r.bottom - r.top);
    if (c.childPlacement) {
      EXPECT_EQ(static_cast<DWORD>(WS_CHILD), style & placementBits);
      EXPECT_EQ(host, ::GetParent(ax));
    } else {
      EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN), style & placementBits);
      EXPECT_EQ(::GetDesktopWindow(), ::GetAncestor(ax, GA_PARENT));
      EXPECT_EQ(nullptr, ::GetWindow(ax, GW_OWNER));
    }

    // Exactly one sink on the browser's events: the control's.
    auto container = Query<IConnectionPointContainer>(control->Browser(), IID_IConnectionPointContainer);
    ASSERT_TRUE(container);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(S_OK, container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put()));
    ComPtr<IEnumConnections> connections;
    ASSERT_EQ(S_OK, point->EnumConnections(connections.put()));
    CONNECTDATA data[4] = {};
    ULONG fetched = 0;
    connections->Next(4, data, &fetched);
    EXPECT_EQ(1u, fetched);
    for (ULONG i = 0; i < fetched; ++i) {
      EXPECT_TRUE(Query<IDispatch>(data[i].pUnk, DIID_DWebBrowserEvents2));
      // No Release: Wine hands the sinks out without a reference of their own.
    }
  }
}

// What the replacing client site answers, through each of its interfaces.
void ExpectReplacedSiteAnswers(IOleClientSite* site) {
  IMoniker* moniker = nullptr;
  IOleContainer* oleContainer = nullptr;
  EXPECT_EQ(E_NOTIMPL, site->SaveObject());
  EXPECT_EQ(E_NOTIMPL, site->GetMoniker(OLEGETMONIKER_ONLYIFTHERE, OLEWHICHMK_CONTAINER, &moniker));
  EXPECT_EQ(E_NOTIMPL, site->GetContainer(&oleContainer));
  EXPECT_EQ(E_NOTIMPL, site->ShowObject());
  EXPECT_EQ(E_NOTIMPL, site->OnShowWindow(TRUE));
  EXPECT_EQ(E_NOTIMPL, site->RequestNewObjectLayout());

  auto services = Query<IServiceProvider>(site, IID_IServiceProvider);
  ASSERT_TRUE(services);
  void* service = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, services->QueryService(IID_IWebBrowserApp, IID_IWebBrowser2, &service));
  EXPECT_EQ(nullptr, service);

  auto commands = Query<IOleCommandTarget>(site, IID_IOleCommandTarget);
  ASSERT_TRUE(commands);
  OLECMD command = {OLECMDID_SHOWSCRIPTERROR, 0};
  EXPECT_EQ(E_NOTIMPL, commands->QueryStatus(nullptr, 1, &command, nullptr));
  // The group the browser sends script errors in (CGID_DocHostCommandHandler), and none.
  const GUID docHostCommands = {0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};
  const GUID* groups[] = {nullptr, &docHostCommands};
  for (const GUID* group : groups) {
    VARIANT out;
    ::VariantInit(&out);
    EXPECT_EQ(S_OK, commands->Exec(group, OLECMDID_SHOWSCRIPTERROR, 0, nullptr, &out));
    EXPECT_EQ(VT_BOOL, V_VT(&out));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&out));
  }
  EXPECT_EQ(E_NOTIMPL, commands->Exec(nullptr, OLECMDID_PRINT, 0, nullptr, nullptr));

  auto ui = Query<IDocHostUIHandler>(site, IID_IDocHostUIHandler);
  ASSERT_TRUE(ui);
  POINT at = {1, 1};
  EXPECT_EQ(S_OK, ui->ShowContextMenu(0, &at, nullptr, nullptr));
  DOCHOSTUIINFO info = {};
  info.cbSize = sizeof(info);
  info.dwFlags = DOCHOSTUIFLAG_DIALOG;
  EXPECT_EQ(S_OK, ui->GetHostInfo(&info));
  EXPECT_EQ(static_cast<DWORD>(DOCHOSTUIFLAG_DIALOG | 0x20000E), info.dwFlags);
  MSG msg = {};
  LPOLESTR key = nullptr;
  IDropTarget* drop = nullptr;
  IDispatch* external = nullptr;
  LPWSTR translated = nullptr;
  IDataObject* data = nullptr;
  wchar_t url[] = L"http://example.com/";
  const HRESULT others[] = {
      ui->ShowUI(0, nullptr, nullptr, nullptr, nullptr), ui->HideUI(), ui->UpdateUI(), ui->EnableModeless(TRUE),
      ui->OnDocWindowActivate(TRUE), ui->OnFrameWindowActivate(TRUE), ui->ResizeBorder(nullptr, nullptr, TRUE),
      ui->TranslateAccelerator(&msg, nullptr, 0), ui->GetOptionKeyPath(&key, 0), ui->GetDropTarget(nullptr, &drop),
      ui->GetExternal(&external), ui->TranslateUrl(0, url, &translated), ui->FilterDataObject(nullptr, &data)};
  for (HRESULT hr : others) EXPECT_EQ(E_NOTIMPL, hr);
}

TEST(WebBrowserControl, ReplacesTheBrowsersClientSiteUnlessDebug) {
  const std::pair<const char*, bool> cases[] = {{"", true}, {"debug=\"false\"", true}, {"debug=\"true\"", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    BrowserWindow w(std::string("pos=\"0,0\" size=\"200,100\" ") + c.first);
    w.Open();
    auto ole = Query<IOleObject>(w.Browser()->Browser(), IID_IOleObject);
    ASSERT_TRUE(ole);
    ComPtr<IOleClientSite> site;
    ASSERT_EQ(S_OK, ole->GetClientSite(site.put()));
    ASSERT_TRUE(site);
    if (c.second) {
      ExpectReplacedSiteAnswers(site.get());
    } else {
      // The container's own site stays: the browser keeps its default user interface.
      EXPECT_FALSE(Query<IDocHostUIHandler>(site.get(), IID_IDocHostUIHandler));
      EXPECT_TRUE(Query<IOleInPlaceSite>(site.get(), IID_IOleInPlaceSite));
    }
  }
}

// Navigation events the browser raises when a navigation goes ahead.
bool WentAhead(const std::vector<DISPID>& ids) {
  const DISPID further[] = {DISPID_NAVIGATECOMPLETE2, DISPID_NAVIGATEERROR, DISPID_DOCUMENTCOMPLETE,
                            DISPID_DOWNLOADBEGIN, DISPID_DOWNLOADCOMPLETE};
  for (DISPID id : ids)
    if (std::find(std::begin(further), std::end(further), id) != std::end(further)) return true;
  return false;
}

TEST(WebBrowserControl, NavigateRaises101WithTheUrlAndTheHandlersResultCancelsIt) {
  const char kHandler[] = "<EventHandler interest=\"101\"><Record retval=\"%d\"/></EventHandler>";
  char cancelling[128], allowing[128];
  snprintf(cancelling, sizeof(cancelling), kHandler, 1);
  snprintf(allowing, sizeof(allowing), kHandler, 0);
  BrowserWindow cancelled("pos=\"0,0\" size=\"200,100\"", cancelling);
  BrowserWindow allowed("pos=\"0,0\" size=\"200,100\"", allowing, "pos=\"520,100\" size=\"400,300\"");
  ASSERT_TRUE(cancelled.Open());
  ASSERT_TRUE(allowed.Open());
  ASSERT_TRUE(cancelled.Browser()->Browser());
  DispidLog cancelledLog, allowedLog;
  ASSERT_TRUE(cancelledLog.Connect(cancelled.Browser()->Browser()));
  ASSERT_TRUE(allowedLog.Connect(allowed.Browser()->Browser()));
  RecordedEvents().clear();

  const std::string url = "http://127.0.0.1:9/krui-blocked.html";
  // The browser may raise BeforeNavigate2 from Navigate itself or a little later.
  EXPECT_TRUE(cancelled.Browser()->Navigate(url));
  PumpUntil([] { return RecordedEvents().size() >= 1; }, 5000);
  ASSERT_EQ(1u, RecordedEvents().size());
  EXPECT_EQ(101, RecordedEvents()[0].id);
  EXPECT_TRUE(RecordedEvents()[0].hasText);
  EXPECT_EQ(url, RecordedEvents()[0].text);
  EXPECT_EQ(url, cancelled.Browser()->Page());

  EXPECT_TRUE(allowed.Browser()->Navigate("http://127.0.0.1:9/krui-allowed.html"));
  PumpUntil([] { return RecordedEvents().size() >= 2; }, 5000);
  ASSERT_EQ(2u, RecordedEvents().size());
  EXPECT_EQ("http://127.0.0.1:9/krui-allowed.html", RecordedEvents()[1].text);

  // Both had the same time: the allowed one goes on, the cancelled one raises nothing more.
  EXPECT_TRUE(PumpUntil([&] { return WentAhead(allowedLog.ids); }, 10000));
  EXPECT_FALSE(WentAhead(cancelledLog.ids));
  ASSERT_FALSE(cancelledLog.ids.empty());
  EXPECT_EQ(DISPID_BEFORENAVIGATE2, cancelledLog.ids.front());
}

TEST(WebBrowserControl, IsListedOnceAsAFilterAndLeavesWithItsHostWindow) {
  for (const PlacementCase& c : {kPlacements[0], kPlacements[2]}) {
    SCOPED_TRACE(c.child);
    BrowserWindow w(std::string("pos=\"0,0\" size=\"200,100\" page=\"http://127.0.0.1:9/\" ") + c.child);
    CWebBrowserControl* control = w.Browser();
    EXPECT_EQ(0u, FilterEntries(control));
    w.Open();
    EXPECT_EQ(1u, FilterEntries(control));
    HWND first = control->AxHostWindow();
    IUnknown* browser = control->Browser();
    ASSERT_NE(nullptr, browser);
    browser->AddRef();

    // Closed, the host takes the ActiveX window and the browser with it (in both placements),
    // and nothing of ours holds the browser any more.
    w.Close();
    EXPECT_EQ(0u, browser->Release());
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_EQ(nullptr, control->AxHostWindow());
    EXPECT_EQ(nullptr, control->Browser());
    EXPECT_FALSE(control->Stop());
    EXPECT_TRUE(control->Navigate("http://127.0.0.1:9/later"));
    EXPECT_EQ("http://127.0.0.1:9/later", control->Page());

    // Re-created: a browser of its own, and still one entry in the filter list.
    w.Open();
    EXPECT_EQ(1u, FilterEntries(control));
    EXPECT_TRUE(::IsWindow(control->AxHostWindow()));
    EXPECT_TRUE(control->Browser());
    EXPECT_TRUE(control->Stop());
  }
}

// The second left press of a double-click, as the window under the pointer gets it.
constexpr UINT kSecondLeftPress = 0;

struct RightButtonCase {
  const char* transrb;
  int clicks;       // 2: a double-click
  ULONG_PTR mark;   // the input's dwExtraInfo
  std::vector<UINT> seen;  // button messages that reach the page, the middle-click marker last
};

TEST(WebBrowserControl, RightClicksOnThePageBecomeLeftClicksOrVanishWithTransrb) {
  const ULONG_PTR ours = CWebBrowserControl::kInjectedMark;
  const RightButtonCase cases[] = {
      {"transrb=\"left\"", 1, 0, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}},
      {"transrb=\"none\"", 1, 0, {WM_MBUTTONDOWN, WM_MBUTTONUP}},
      {"", 1, 0, {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}},
      // A right double-click is a left double-click.
      {"transrb=\"left\"", 2, 0,
       {WM_LBUTTONDOWN, WM_LBUTTONUP, kSecondLeftPress, WM_LBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}},
      // Right-button input the filter injected itself (as it does with the buttons swapped)
      // is never translated again.
      {"transrb=\"left\"", 1, ours, {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}},
  };
  for (const RightButtonCase& c : cases) {
    SCOPED_TRACE(std::string(c.transrb) + " clicks " + std::to_string(c.clicks) + " mark " + std::to_string(c.mark));
    BrowserWindow w(std::string("pos=\"0,0\" size=\"400,300\" ") + c.transrb);
    w.Open();
    HWND ax = w.Browser()->AxHostWindow();
    ASSERT_NE(nullptr, ax);
    MessageLog log(ax, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK);  // behind the control's filter
    HWND page = ::WindowFromPoint(CentreOf(ax));
    const bool doubleClicks = (::GetClassLongW(page, GCL_STYLE) & CS_DBLCLKS) != 0;
    RightClickAt(CentreOf(ax), c.clicks, c.mark);
    // Once the loop is idle, a middle click marks the end of what the right click caused.
    struct Context {
      MessageLog* log;
      bool marked;
    } context = {&log, false};
    RunAppLoopUntil(
        [](void* p) {
          auto* ctx = static_cast<Context*>(p);
          if (!ctx->marked) {
            INPUT input[2] = {};
            input[0].type = input[1].type = INPUT_MOUSE;
            input[0].mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
            input[1].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
            ::SendInput(2, input, sizeof(INPUT));
            ctx->marked = true;
          }
          const auto& m = ctx->log->messages;
          return std::find(m.begin(), m.end(), static_cast<UINT>(WM_MBUTTONUP)) != m.end();
        },
        &context, 5000);
    std::vector<UINT> seen = c.seen;
    std::replace(seen.begin(), seen.end(), kSecondLeftPress,
                 static_cast<UINT>(doubleClicks ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN));
    EXPECT_EQ(seen, log.messages);
    // What the filter injected carries its mark.
    for (size_t i = 0; i < log.messages.size(); ++i) {
      if (log.messages[i] >= WM_LBUTTONDOWN && log.messages[i] <= WM_LBUTTONDBLCLK) {
        EXPECT_EQ(static_cast<LPARAM>(ours), log.extraInfo[i]) << i;
      }
    }
  }
}

// The input that stands for a left click, by the button swap setting (injected input is the
// physical button; Wine here does not swap it, so only the choice can be checked).
TEST(WebBrowserControl, TransrbInjectsWhatArrivesAsALeftClickInEitherSwapSetting) {
  const struct {
    bool down, swapped;
    DWORD flags;
  } rows[] = {{true, false, MOUSEEVENTF_LEFTDOWN},
              {false, false, MOUSEEVENTF_LEFTUP},
              {true, true, MOUSEEVENTF_RIGHTDOWN},
              {false, true, MOUSEEVENTF_RIGHTUP}};
  for (const auto& row : rows) {
    EXPECT_EQ(row.flags, CWebBrowserControl::InjectedLeftButton(row.down, row.swapped)) << row.down << row.swapped;
  }
}

TEST(WebBrowserControl, DetachedToolWindowFollowsTheHost) {
  BrowserWindow w("pos=\"10,20\" size=\"200,100\" child=\"no\"");
  HWND host = w.Open();
  HWND tool = w.Browser()->AxHostWindow();
  ASSERT_NE(nullptr, tool);
  EXPECT_EQ(tool, ::GetWindow(host, GW_HWNDPREV)) << "the host sits directly under its tool window";

  ::SetWindowPos(host, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessagesFor(20);
  const POINT origin = ClientOriginOf(host);
  EXPECT_EQ(origin.x + 10, ScreenRectOf(tool).left);
  EXPECT_EQ(origin.y + 20, ScreenRectOf(tool).top);

  ::ShowWindow(host, SW_HIDE);
  PumpMessagesFor(20);
  EXPECT_FALSE(::IsWindowVisible(tool));
  ::ShowWindow(host, SW_SHOWNA);
  PumpMessagesFor(20);
  EXPECT_TRUE(::IsWindowVisible(tool));
  ::ShowWindow(host, SW_MINIMIZE);
  PumpMessagesFor(20);
  EXPECT_FALSE(::IsWindowVisible(tool));
}

TEST(WebBrowserControl, SetVisibleShowsAndHidesTheActiveXWindowOnlyOnceItExists) {
  for (const PlacementCase& c : {kPlacements[0], kPlacements[2]}) {
    SCOPED_TRACE(c.child);
    BrowserWindow w(std::string("pos=\"0,0\" size=\"200,100\" ") + c.child);
    CWebBrowserControl* control = w.Browser();
    control->SetVisible(false);
    EXPECT_TRUE(control->IsVisible()) << "nothing to hide yet";
    w.Open();
    HWND ax = control->AxHostWindow();
    control->SetVisible(false);
    EXPECT_FALSE(control->IsVisible());
    EXPECT_FALSE(::IsWindowVisible(ax));
    control->SetVisible(true);
    EXPECT_TRUE(control->IsVisible());
    EXPECT_TRUE(::IsWindowVisible(ax));
    if (!c.childPlacement) {
      EXPECT_EQ(ax, ::GetWindow(w.Hwnd(), GW_HWNDPREV));
    }
  }
}

// The control's flag is its state: set while the host is minimised or hidden, it is what
// the host shows when it comes back, and a detached page never floats over the desktop.
TEST(WebBrowserControl, SetVisibleWhileTheHostIsAwayHoldsWhenItComesBack) {
  for (const PlacementCase& c : {kPlacements[0], kPlacements[2]}) {
    for (int away : {SW_MINIMIZE, SW_HIDE}) {
      for (bool visible : {false, true}) {
        SCOPED_TRACE(std::string(c.child) + (away == SW_HIDE ? " hidden " : " minimised ") + (visible ? "show" : "hide"));
        BrowserWindow w(std::string("pos=\"0,0\" size=\"200,100\" ") + c.child);
        HWND host = w.Open();
        CWebBrowserControl* control = w.Browser();
        HWND ax = control->AxHostWindow();
        ASSERT_NE(nullptr, ax);
        control->SetVisible(!visible);
        ::ShowWindow(host, away);
        PumpMessagesFor(20);
        control->SetVisible(visible);
        PumpMessagesFor(20);
        if (!c.childPlacement) {
          EXPECT_FALSE(::IsWindowVisible(ax)) << "floating over the desktop";
        }
        ::ShowWindow(host, away == SW_HIDE ? SW_SHOWNA : SW_RESTORE);
        PumpMessagesFor(20);
        EXPECT_EQ(visible, control->IsVisible());
        EXPECT_EQ(visible, ::IsWindowVisible(ax) != FALSE);
      }
    }
  }
}

}  // namespace
