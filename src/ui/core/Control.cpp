#include "ui/core/Control.h"

#include <windowsx.h>

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/HostWindow.h"

namespace KRUI {
namespace {

// Windows to repaint when the resize walk under way on this thread ends: a resize asks each
// window once, not once per control that has not been shown yet (each ask is a round trip
// to the window server).
struct ResizeWalk {
  int depth = 0;
  std::vector<CHostWindow*> repaint;
};
thread_local ResizeWalk g_resize;

// Marks one walk of a message; only resizes keep state.
class WalkScope {
 public:
  explicit WalkScope(UINT message) : sizing_(message == WM_SIZE) {
    if (sizing_) ++g_resize.depth;
  }
  ~WalkScope() {
    if (!sizing_ || --g_resize.depth > 0 || g_resize.repaint.empty()) return;
    std::vector<CHostWindow*> windows;
    windows.swap(g_resize.repaint);
    for (CHostWindow* window : windows) window->Invalidate();
  }
  WalkScope(const WalkScope&) = delete;
  WalkScope& operator=(const WalkScope&) = delete;

 private:
  bool sizing_;
};

// Invalidates now, or once when the resize walk under way ends.
void RequestRepaint(CHostWindow* host) {
  if (g_resize.depth == 0) {
    host->Invalidate();
    return;
  }
  for (CHostWindow* pending : g_resize.repaint) {
    if (pending == host) return;
  }
  try {
    g_resize.repaint.push_back(host);
  } catch (...) {
    host->Invalidate();  // no room to remember it: ask now
  }
}

}  // namespace

const AttributeSet CControl::kAttributes = {
    "control",
    {
        {"id", AttributeSyntax::kText, "", 0, nullptr, "name used in control paths (\"page:name\")",
         Into<&CControl::id_>()},
        {"pos", AttributeSyntax::kPair, "0,0", kPairLimit, nullptr,
         "position in the parent; a negative number counts from the parent's far edge",
         IntoPair<&CControl::posX_, &CControl::posY_>()},
        {"size", AttributeSyntax::kPair, "0,0", kPairLimit, nullptr,
         "size; 0 or less stretches to the parent's edge less that many pixels",
         IntoPair<&CControl::sizeW_, &CControl::sizeH_>()},
        {"visible", AttributeSyntax::kFlag, "true", 0, nullptr, "shown", Into<&CControl::visible_>()},
        {"hitalbe", AttributeSyntax::kFlag, "true", 0, nullptr, "takes the pointer (spelt so by the runtime)",
         Into<&CControl::hitTestable_>()},
        {"hitval", AttributeSyntax::kInteger, "-1", 0, nullptr,
         "hit-test value answered for the window (2 caption, 17 size grip); -1 none", Into<&CControl::hitValue_>()},
    }};
const ElementDeclaration CControl::kDeclaration = {kKindControl, "a control", {&kAttributes}, {}, {}, {}};

int CControl::AddChild(CControl* control) {
  if (!control || control->parent_) return 0;
  control->parent_ = this;
  control->SetHostWindow(host_);
  children_.push_back(control);
  return static_cast<int>(children_.size());
}

CControl* CControl::FindChild(const std::string& id) {
  for (CControl* child : children_) {
    if (child && child->id_ == id) return child;
  }
  return nullptr;
}

std::string CControl::GetValue() { return std::string(); }

void CControl::SetValue(const std::string&) {}

bool CControl::HitTest(int x, int y) {
  return visible_ && hitTestable_ && left_ <= x && x < left_ + width_ && top_ <= y &&
         y < top_ + height_;
}

void CControl::Invalidate() {
  if (host_) host_->Invalidate();
}

void CControl::Arrange(int x, int y, int w, int h) {
  width_ = sizeW_ > 0 ? sizeW_ : w + sizeW_;
  left_ = x + posX_ + (posX_ < 0 ? w : 0);
  height_ = sizeH_ > 0 ? sizeH_ : h + sizeH_;
  top_ = y + posY_ + (posY_ < 0 ? h : 0);
}

void CControl::SetVisible(bool visible) { visible_ = visible; }

LRESULT CControl::HandleMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
  switch (message) {
    case WM_NCHITTEST:
      handled = true;
      return hitValue_ == -1 ? HTCLIENT : hitValue_;
    case MSG_PAINT:
      if (!shownOnce_) shownOnce_ = IsDisplayable();
      return 0;
    case WM_SIZE:
      if (parent_) {
        Arrange(parent_->left_, parent_->top_, parent_->width_, parent_->height_);
      } else {
        Arrange(0, 0, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      }
      // Keep repainting until the control has been drawn once at a displayable size.
      if (!shownOnce_ && host_) RequestRepaint(host_);
      return 0;
    case WM_MOUSEHOVER:
      if (host_) {
        CControl* previous = host_->HoverControl();
        if (previous && previous != this) {
          bool ignored = false;
          previous->HandleMessage(WM_MOUSELEAVE, 0, 0, ignored);
        }
        host_->SetHoverControl(this);
      }
      return 0;
    case WM_MOUSELEAVE:
      if (host_) host_->SetHoverControl(nullptr);
      return 0;
    default:
      return 0;
  }
}

bool CControl::IsDisplayable() {
  if (!visible_ || width_ == 0 || height_ == 0) return false;
  for (CControl* p = parent_; p; p = p->parent_) {
    if (!p->visible_) return false;
  }
  return true;
}

bool CControl::PassesRoutingTest(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      HWND hwnd = host_ ? host_->GetHwnd() : nullptr;
      if (!hwnd || !::ScreenToClient(hwnd, &pt)) return false;
      return HitTest(pt.x, pt.y);
    }
    case WM_LBUTTONUP:
    case WM_MOUSEHOVER:
      return HitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_MOUSELEAVE:
      return host_ && host_->HoverControl() == this;
    case MSG_PAINT:
      return IsDisplayable();
    default:
      return true;
  }
}

LRESULT CControl::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  WalkScope walk(message);
  if (PassesRoutingTest(message, lParam)) {
    LRESULT r = HandleMessage(message, wParam, lParam, handled);
    if (handled) return r;
  }
  for (CControl* child : children_) {
    if (!child) continue;
    LRESULT r = child->RouteMessage(message, wParam, lParam, handled);
    if (handled) return r;
  }
  return 0;
}

LRESULT CControl::RouteMessageReverse(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  WalkScope walk(message);
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    if (!*it) continue;
    LRESULT r = (*it)->RouteMessageReverse(message, wParam, lParam, handled);
    if (handled) return r;
  }
  if (PassesRoutingTest(message, lParam)) {
    LRESULT r = HandleMessage(message, wParam, lParam, handled);
    if (handled) return r;
  }
  return 0;
}

void CControl::SetHostWindow(CHostWindow* host) {
  // A subtree always shares its root's host (AddChild and this walk keep it so): when this
  // control has it already, so has every descendant, and attaching stays linear.
  if (host_ == host) return;
  host_ = host;
  for (CControl* child : children_) {
    if (child) child->SetHostWindow(host);
  }
}

}  // namespace KRUI
