// The browser that WBNavigate and WBCommand address: a control path inside a window that
// the action names explicitly ("owner" for the event's own window, an empty name for none).
#pragma once
#include <string>

#include "ui/core/Eventx.h"

namespace KRUI {

class CEmbedBrowser;

// What "wbid" of WBNavigate and WBCommand means, as they declare it.
constexpr const char* kBrowserPathHelp =
    "the browser control's path in that window; a path longer than 127 characters finds nothing";

// None when the window id is empty or unmatched, the path finds no control, or the control
// is not a browser.
CEmbedBrowser* FindEmbedBrowser(const std::string& windowId, const std::string& browserPath,
                                const CEventx& event);

}  // namespace KRUI
