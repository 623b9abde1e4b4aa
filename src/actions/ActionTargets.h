// Rules every built-in action shares: which window owns an event, and how a window
// attribute names a window.
#pragma once
#include <string>

#include "ui/core/Eventx.h"

namespace KRUI {

class CHostWindow;
class CControl;

// The window an event belongs to: a window sender is its own owner, a control sender's
// owner is the window that hosts it. Component senders (tray icon, menu items, hotkeys)
// have no host-window operations, so their events have no owner window; neither have
// handler or action senders.
CHostWindow* OwnerWindowOf(const CEventx& event);

// The event's sender when it is a control, else none.
CControl* SenderControlOf(const CEventx& event);

// How an empty window attribute is read by the action that owns it.
enum class EmptyReference {
  kOwner,  // the empty value means the owner window, as "owner" does
  kNone,   // the empty value names no window
};

// "owner" names the event's owner window; any other value is the id of a top-level window
// of the loaded layout (the first in document order). None when nothing matches.
// Actions whose window attribute is a plain id ("owner" included) call the loader's
// FindTopLevelWindow directly.
CHostWindow* ResolveWindowReference(const std::string& reference, const CEventx& event,
                                    EmptyReference empty);

// What a window attribute read with each rule means, as the actions declare it.
constexpr const char* kOwnerWhenEmptyHelp =
    "the window: an id, or \"owner\" (or empty) for the window holding this element";
constexpr const char* kNoneWhenEmptyHelp =
    "the window: an id, or \"owner\" for the window holding this element; empty does nothing";

}  // namespace KRUI
