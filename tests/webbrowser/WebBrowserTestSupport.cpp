#include "webbrowser/WebBrowserTestSupport.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <ocidl.h>

#include "app/AppModule.h"
#include "app/Application.h"
#include "support/MessagePump.h"

using namespace KRUI;

namespace KRUITest {
namespace {

// What start-up does before the first window: COM, the module (host window classes) and
// the Application with its filter list.
class BrowserProcess : public ::testing::Environment {
 public:
  void SetUp() override {
    ::CoInitialize(nullptr);
    CAppModule::Instance().Init(::GetModuleHandleW(nullptr));
    ASSERT_TRUE(Application::Start(::GetModuleHandleW(nullptr)));
  }
  void TearDown() override {
    Application::ShutdownGdiplus();
    CAppModule::Instance().Term();
    ::CoUninitialize();
  }
};
::testing::Environment* const process = ::testing::AddGlobalTestEnvironment(new BrowserProcess);

}  // namespace

bool DispidLog::Connect(IUnknown* browser) {
  IConnectionPointContainer* container = nullptr;
  if (!browser || FAILED(browser->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
    return false;
  HRESULT hr = container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point_);
  container->Release();
  if (FAILED(hr) || !point_) return false;
  return SUCCEEDED(point_->Advise(this, &cookie_));
}

void DispidLog::Disconnect() {
  if (point_) {
    if (cookie_) point_->Unadvise(cookie_);
    point_->Release();
  }
  point_ = nullptr;
  cookie_ = 0;
}

DispidLog::~DispidLog() { Disconnect(); }

STDMETHODIMP DispidLog::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

STDMETHODIMP DispidLog::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  ids.push_back(id);
  return S_OK;
}

MessageLog::MessageLog(HWND root, UINT first, UINT last) : root_(root), first_(first), last_(last) {
  Application::Get()->AddMessageFilter(this);
}

MessageLog::~MessageLog() { Application::Get()->RemoveMessageFilter(this); }

bool MessageLog::PreTranslateMessage(MSG* msg) {
  if (msg->message < first_ || msg->message > last_) return false;
  if (msg->hwnd == root_ || ::IsChild(root_, msg->hwnd)) {
    messages.push_back(msg->message);
    extraInfo.push_back(::GetMessageExtraInfo());
  }
  return false;
}

namespace {
struct LoopState {
  bool (*done)(void*);
  void* context;
  DWORD start;
  unsigned timeout;
};
LoopState* g_loop = nullptr;

void CALLBACK CheckLoop(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_loop) return;
  if (g_loop->done(g_loop->context) || ::GetTickCount() - g_loop->start >= g_loop->timeout) ::PostQuitMessage(0);
}
}  // namespace

bool RunAppLoopUntil(bool (*done)(void*), void* context, unsigned timeoutMilliseconds) {
  LoopState state = {done, context, ::GetTickCount(), timeoutMilliseconds};
  g_loop = &state;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &CheckLoop);
  Application::Get()->RunMessageLoop();
  ::KillTimer(nullptr, timer);
  g_loop = nullptr;
  return done(context);
}

BrowserWindow::BrowserWindow(const std::string& attributes, const std::string& handlers,
                             const std::string& windowAttributes) {
  const std::string doc = "<LayoutRoot><FrameHostWindow id=\"w\" center=\"false\" " + windowAttributes +
                          "><Layout id=\"root\"><WebBrowser id=\"wb\" " + attributes + ">" + handlers +
                          "</WebBrowser></Layout></FrameHostWindow></LayoutRoot>";
  EXPECT_TRUE(loader_.Load(dir_.Write("layout/layout.xml", doc)));
  window_ = dynamic_cast<CFrameHostWindow*>(loader_.FindTopLevelWindow("w"));
  EXPECT_NE(nullptr, window_);
  if (window_) browser_ = dynamic_cast<CWebBrowserControl*>(window_->FindControl("root:wb"));
  EXPECT_NE(nullptr, browser_);
}

BrowserWindow::~BrowserWindow() { Close(); }

HWND BrowserWindow::Open() {
  HWND hwnd = window_ ? window_->Create(nullptr) : nullptr;
  PumpMessagesFor(50);
  return hwnd;
}

void BrowserWindow::Close() {
  if (HWND hwnd = Hwnd()) ::DestroyWindow(hwnd);
  PumpMessagesFor(10);
}

POINT CentreOf(HWND hwnd) {
  RECT r = {};
  ::GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void RightClickAt(POINT at, int clicks, ULONG_PTR mark) {
  ::SetCursorPos(at.x, at.y);
  INPUT input[4] = {};
  for (int i = 0; i < 2 * clicks && i < 4; ++i) {
    input[i].type = INPUT_MOUSE;
    input[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
    input[i].mi.dwExtraInfo = mark;
  }
  ::SendInput(clicks > 1 ? 4 : 2, input, sizeof(INPUT));
}

}  // namespace KRUITest
