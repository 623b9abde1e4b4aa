#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/Application.h"

using KRUI::Application;

namespace {

const UINT kTestMessage = WM_APP + 7;

// Records what it saw; consumes the messages whose wParam it is told to.
class CRecordingFilter : public KRUI::_IMessageFilter {
 public:
  explicit CRecordingFilter(WPARAM consume) : consume_(consume) {}
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message != kTestMessage) return false;
    seen.push_back(msg->wParam);
    return msg->wParam == consume_;
  }
  std::vector<WPARAM> seen;

 private:
  WPARAM consume_;
};

// A real window whose procedure records the test messages that reach it.
class CTestWindow {
 public:
  CTestWindow() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KRUIAppLoopTestWindow";
    ::RegisterClassW(&wc);
    hwnd_ = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              wc.hInstance, nullptr);
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~CTestWindow() { ::DestroyWindow(hwnd_); }
  HWND get() const { return hwnd_; }
  std::vector<WPARAM> dispatched;
  std::vector<WPARAM> chars;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<CTestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == kTestMessage) self->dispatched.push_back(wp);
    if (self && msg == WM_CHAR) self->chars.push_back(wp);
    return ::DefWindowProcW(hwnd, msg, wp, lp);
  }
  HWND hwnd_;
};

}  // namespace

TEST(ApplicationLoop, QuitCodeIsTheResultAndEarlierMessagesAreDispatched) {
  Application app(::GetModuleHandleW(nullptr));
  CTestWindow window;
  ASSERT_TRUE(window.get());
  ::PostMessageW(window.get(), kTestMessage, 1, 0);
  ::PostMessageW(window.get(), kTestMessage, 2, 0);
  ::PostQuitMessage(42);
  EXPECT_EQ(42, app.RunMessageLoop());
  EXPECT_EQ((std::vector<WPARAM>{1, 2}), window.dispatched);

  // A quit posted to the thread by id (as other threads end the program) works the same.
  app.SetUiThreadId(::GetCurrentThreadId());
  ::PostThreadMessageW(app.GetUiThreadId(), WM_QUIT, 0, 0);
  EXPECT_EQ(0, app.RunMessageLoop());
}

TEST(ApplicationLoop, FiltersRunInOrderBeforeDispatchAndFirstConsumerWins) {
  Application app(::GetModuleHandleW(nullptr));
  CTestWindow window;
  CRecordingFilter first(1), second(2);
  app.AddMessageFilter(nullptr);  // empty entries are skipped
  app.AddMessageFilter(&first);
  app.AddMessageFilter(&second);
  ::PostMessageW(window.get(), kTestMessage, 1, 0);  // taken by the first filter
  ::PostMessageW(window.get(), kTestMessage, 2, 0);  // passed by the first, taken by the second
  ::PostMessageW(window.get(), kTestMessage, 3, 0);  // nobody takes it: dispatched
  ::PostQuitMessage(5);
  EXPECT_EQ(5, app.RunMessageLoop());
  EXPECT_EQ((std::vector<WPARAM>{1, 2, 3}), first.seen);
  EXPECT_EQ((std::vector<WPARAM>{2, 3}), second.seen);
  EXPECT_EQ((std::vector<WPARAM>{3}), window.dispatched);
}

TEST(ApplicationLoop, RemoveErasesEveryEntryOfTheFilter) {
  Application app(::GetModuleHandleW(nullptr));
  CTestWindow window;
  CRecordingFilter twice(1), other(0);
  app.AddMessageFilter(&twice);
  app.AddMessageFilter(&other);
  app.AddMessageFilter(&twice);
  app.RemoveMessageFilter(&twice);
  ::PostMessageW(window.get(), kTestMessage, 1, 0);
  ::PostQuitMessage(0);
  EXPECT_EQ(0, app.RunMessageLoop());
  EXPECT_TRUE(twice.seen.empty());
  EXPECT_EQ((std::vector<WPARAM>{1}), other.seen);
  EXPECT_EQ((std::vector<WPARAM>{1}), window.dispatched);
}

TEST(ApplicationLoop, UnconsumedKeysAreTranslated) {
  Application app(::GetModuleHandleW(nullptr));
  CTestWindow window;
  // WM_KEYDOWN only becomes WM_CHAR through TranslateMessage; the quit is taken last.
  ::PostMessageW(window.get(), WM_KEYDOWN, 'A', 0x001E0001);
  ::PostQuitMessage(0);
  app.RunMessageLoop();
  ASSERT_EQ(1u, window.chars.size());
  EXPECT_TRUE(window.chars[0] == L'a' || window.chars[0] == L'A');
}

TEST(Application, StartsOnceAndKeepsTheInstance) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  EXPECT_EQ(nullptr, Application::Get());
  ASSERT_TRUE(Application::Start(instance));
  Application* app = Application::Get();
  ASSERT_NE(nullptr, app);
  EXPECT_EQ(instance, app->GetModuleInstance());
  EXPECT_EQ(0u, app->GetUiThreadId());  // recorded only when the loop is about to run
  EXPECT_FALSE(Application::Start(instance));
  EXPECT_EQ(app, Application::Get());
  Application::ShutdownGdiplus();
}
