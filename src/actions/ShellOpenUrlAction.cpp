#include "actions/ShellOpenUrlAction.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("ShellOpenUrl", CShellOpenUrlAction);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindAction, "opens a web address in the player's browser", {&::KRUI::kActionAttributes},
    {
        {"page", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "the address"},
        {"browser", ::KRUI::AttributeSyntax::kChoice, "default", 0, "default|ie", "which browser"},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("ShellOpenUrl", kElementDeclaration);

namespace {

// ShellExecuteA reports success with a value above 32.
bool Launched(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

bool OpenInInternetExplorer(const std::string& url) {
  return Launched(::ShellExecuteA(nullptr, "open", "iexplore.exe", url.c_str(), nullptr, SW_SHOW));
}

}  // namespace

bool CShellOpenUrlAction::LoadAttributes(const AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  ReadString(attributes, "page", page_);
  ReadString(attributes, "browser", browser_);
  return true;
}

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
  if (browser_ == "ie") {
    launched = OpenInInternetExplorer(url);
  } else if (browser_ == "default") {
    launched = Launched(::ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOW)) ||
               OpenInInternetExplorer(url);
  }
  if (!launched) return ActionResult::Continue;
  event.result = retval_;
  return ActionResult::Stop;
}

}  // namespace KRUI
