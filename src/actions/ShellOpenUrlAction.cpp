#include "actions/ShellOpenUrlAction.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("ShellOpenUrl", CShellOpenUrlAction);
const ElementDeclaration CShellOpenUrlAction::kDeclaration = {
    kKindAction,
    "opens a web address in the player's browser; when it opens, writes retval into the event and stops the "
    "handler",
    {&CAction::kAttributes},
    {
        {"page", AttributeSyntax::kText, "", 0, nullptr,
         "the address; with fromdata=\"event\" the event's text instead, opened only when it is an http:// or "
         "https:// address",
         Into<&CShellOpenUrlAction::page_>()},
        {"browser", AttributeSyntax::kChoice, "", 0, "default|ie",
         "default: the player's browser, Internet Explorer when that fails; ie: Internet Explorer; any other, or "
         "none, opens nothing",
         Into<&CShellOpenUrlAction::browser_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShellOpenUrl", CShellOpenUrlAction::kDeclaration);

namespace {

// ShellExecuteA reports success with a value above 32.
bool Launched(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

bool OpenInInternetExplorer(const std::string& url) {
  return Launched(::ShellExecuteA(nullptr, "open", "iexplore.exe", url.c_str(), nullptr, SW_SHOW));
}

}  // namespace

bool CShellOpenUrlAction::IsWebUrl(const std::string& text) {
  size_t host;
  if (_strnicmp(text.c_str(), "http://", 7) == 0) {
    host = 7;
  } else if (_strnicmp(text.c_str(), "https://", 8) == 0) {
    host = 8;
  } else {
    return false;
  }
  if (host >= text.size() || text[host] == '/' || text[host] == '\\') return false;
  for (char c : text) {
    auto b = static_cast<unsigned char>(c);
    // Spaces and quotes would split the text into several arguments of a command line.
    if (b <= 0x20 || b == 0x7F || c == '"') return false;
  }
  return true;
}

ActionResult CShellOpenUrlAction::Execute(CEventx& event) {
  std::string url;
  if (fromdata_.empty()) {
    url = page_;
  } else if (fromdata_ == "event") {
    // The event's text may come from a web page. The shell opens anything it is given
    // (programs, documents, shares), so only web addresses are passed on.
    const char* text = event.ParamText();
    url = text ? text : "";
    if (!IsWebUrl(url)) return ActionResult::Continue;
  } else {
    return ActionResult::Continue;
  }

  bool launched = false;
  if (browser_ == Browser::kIe) {
    launched = OpenInInternetExplorer(url);
  } else if (browser_ == Browser::kDefault) {
    launched = Launched(::ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOW)) ||
               OpenInInternetExplorer(url);
  }
  if (!launched) return ActionResult::Continue;
  event.result = retval_;
  return ActionResult::Stop;
}

}  // namespace KRUI
