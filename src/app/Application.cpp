#include "app/Application.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "ui/core/Handles.h"

namespace KRUI {
namespace {

// Process state, touched on the main thread only (start-up and shutdown).
Application* g_application = nullptr;
std::unique_ptr<GdiplusScope> g_gdiplus;

}  // namespace

bool Application::Start(HINSTANCE instance) {
  if (g_application) return false;
  auto gdiplus = std::make_unique<GdiplusScope>();
  if (!gdiplus->ok()) return false;
  g_gdiplus = std::move(gdiplus);
  // Lives until the process ends, like every object built at start-up.
  g_application = new Application(instance);
  return true;
}

Application* Application::Get() { return g_application; }

void Application::ShutdownGdiplus() { g_gdiplus.reset(); }

void Application::AddMessageFilter(_IMessageFilter* filter) { filters_.push_back(filter); }

void Application::RemoveMessageFilter(_IMessageFilter* filter) {
  filters_.erase(std::remove(filters_.begin(), filters_.end(), filter), filters_.end());
}

bool Application::PreTranslateMessage(MSG* msg) {
  // By index: a filter may add or remove filters while it runs.
  for (size_t i = 0; i < filters_.size(); ++i) {
    _IMessageFilter* filter = filters_[i];
    if (filter && filter->PreTranslateMessage(msg)) return true;
  }
  return false;
}

int Application::RunMessageLoop() {
  MSG msg = {};
  for (;;) {
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) continue;
    if (got == 0) break;
    if (PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace KRUI
