// Rules every built-in action shares: which window owns an event, and how a window
// attribute names a window.
#pragma once
#include <string>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/Eventx.h"
#include "ui/core/Objectx.h"

namespace KRUI {

class CHostWindow;
class CControl;

// Where the owner window of a sender's events is found, by the sender's kind.
enum class EventOwner {
  kSelf,        // a window is its own owner
  kHostWindow,  // a control's owner is the window that hosts it
  kNone,        // components (tray icon, menu items, hotkeys), handlers and actions have none
};
EventOwner EventOwnerOf(ElementKind senderKind);

// The window an event belongs to, by EventOwnerOf its sender. Component senders have no
// host-window operations, so their events have no owner window.
CHostWindow* OwnerWindowOf(const CEventx& event);

// The event's sender when it is a control, else none.
CControl* SenderControlOf(const CEventx& event);

// How an empty window attribute is read by the action that owns it.
enum class EmptyReference {
  kOwner,  // the empty value means the owner window, as "owner" does
  kNone,   // the empty value names no window
};

// What a window reference names before any window is looked up.
enum class WindowReference {
  kOwner,  // the event's owner window
  kNone,   // no window
  kId,     // the top-level window of that id
};
WindowReference ReadWindowReference(const std::string& reference, EmptyReference empty);
// The rule of a window reference's declared syntax: kWindowRefOrNone reads empty as none,
// kWindowRef as the owner.
EmptyReference EmptyReferenceOf(AttributeSyntax syntax);

// The window a reference names in any tree of windows: owner for kOwner, byId(reference)
// for kId, none for kNone.
template <typename Window, typename ById>
Window* ResolveWindowReferenceWith(const std::string& reference, EmptyReference empty, Window* owner, ById byId) {
  switch (ReadWindowReference(reference, empty)) {
    case WindowReference::kOwner:
      return owner;
    case WindowReference::kNone:
      return nullptr;
    case WindowReference::kId:
      break;
  }
  return byId(reference);
}

// "owner" names the event's owner window; any other value is the id of a top-level window
// of the loaded layout (the first in document order). None when nothing matches.
// Actions whose window attribute is a plain id ("owner" included) call the loader's
// FindTopLevelWindow directly.
CHostWindow* ResolveWindowReference(const std::string& reference, const CEventx& event,
                                    AttributeSyntax syntax);

// What a window attribute read with each rule means, as the actions declare it.
constexpr const char* kOwnerWhenEmptyHelp =
    "the window: an id, or \"owner\" (or empty) for the window holding this element";
constexpr const char* kNoneWhenEmptyHelp =
    "the window: an id, or \"owner\" for the window holding this element; empty does nothing";

}  // namespace KRUI
