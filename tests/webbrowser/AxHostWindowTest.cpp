// The ActiveX host window classes on their own, with the system web browser inside.
#include <gtest/gtest.h>
#include <exdisp.h>

#include "browser/AxHostWindowClass.h"
#include "support/MessagePump.h"
#include "ui/core/Handles.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

RECT ClientRectOf(HWND hwnd) {
  RECT r = {};
  ::GetClientRect(hwnd, &r);
  return r;
}

// The window the in-place active control draws in.
HWND ControlWindow(IUnknown* control) {
  ComPtr<IOleInPlaceObject> inPlace;
  HWND hwnd = nullptr;
  if (SUCCEEDED(control->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.put()))))
    inPlace->GetWindow(&hwnd);
  return hwnd;
}

// Whether the window's container still held its control when the window's WM_DESTROY was
// done: after it, the system destroys the control's own windows, children of this one.
HWND g_dying = nullptr;
bool g_heldAfterDestroy = true;
LRESULT CALLBACK AfterDestroy(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && call->hwnd == g_dying && call->message == WM_DESTROY) {
    ComPtr<IUnknown> held;
    held.attach(reinterpret_cast<IUnknown*>(::SendMessageW(g_dying, CAxHostWindowClass::GetControlMessage(), 0, 0)));
    g_heldAfterDestroy = held.get() != nullptr;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

struct TitleCase {
  const wchar_t* className;
  const wchar_t* title;
};
const TitleCase kTitleCases[] = {
    {CAxHostWindowClass::kClassName, L"{8856F961-340A-11D0-A96B-00C04FD705A2}"},
    {CAxHostWindowClass::kLicClassName, L"Shell.Explorer.2"},
};

TEST(AxHostWindow, HostsTheControlNamedByItsTitleInPlaceSizedToTheWindowAndLetsGoOfEverything) {
  for (const TitleCase& c : kTitleCases) {
    HWND hwnd = ::CreateWindowExW(0, c.className, c.title, WS_POPUP | WS_VISIBLE, 20, 20, 240, 160, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, hwnd) << c.className;
    IUnknown* control = reinterpret_cast<IUnknown*>(::SendMessageW(hwnd, CAxHostWindowClass::GetControlMessage(), 0, 0));
    IUnknown* host = reinterpret_cast<IUnknown*>(::SendMessageW(hwnd, CAxHostWindowClass::GetHostMessage(), 0, 0));
    ASSERT_NE(nullptr, control) << c.title;
    ASSERT_NE(nullptr, host);
    ComPtr<IWebBrowser2> browser;
    EXPECT_EQ(S_OK, control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(browser.put())));
    browser.reset();

    // In place: the control's window is inside the host window and covers its client area.
    HWND inner = ControlWindow(control);
    ASSERT_NE(nullptr, inner);
    EXPECT_TRUE(::IsChild(hwnd, inner));
    EXPECT_EQ(240, ClientRectOf(inner).right);
    EXPECT_EQ(160, ClientRectOf(inner).bottom);
    ::SetWindowPos(hwnd, nullptr, 0, 0, 300, 90, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(300, ClientRectOf(inner).right);
    EXPECT_EQ(90, ClientRectOf(inner).bottom);

    // The site the control sees is this window's.
    ComPtr<IOleInPlaceSite> site;
    ASSERT_EQ(S_OK, host->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(site.put())));
    HWND siteWindow = nullptr;
    site->GetWindow(&siteWindow);
    EXPECT_EQ(hwnd, siteWindow);
    site.reset();

    // Destroyed, the window closes the control while the control's windows still exist, and
    // the test's references are the last ones.
    g_dying = hwnd;
    g_heldAfterDestroy = true;
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterDestroy, nullptr, ::GetCurrentThreadId());
    ::DestroyWindow(hwnd);
    ::UnhookWindowsHookEx(hook);
    EXPECT_FALSE(g_heldAfterDestroy);
    PumpMessagesFor(20);
    EXPECT_EQ(0u, host->Release()) << "the control still holds the site";
    EXPECT_EQ(0u, control->Release()) << "the window still holds the control";
  }
}

}  // namespace
