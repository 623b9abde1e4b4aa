// "ShellOpenUrl": hands a URL to the shell, in the user's default handler ("default", with
// Internet Explorer as fallback) or in Internet Explorer ("ie").
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CShellOpenUrlAction : public CAction {
 public:
  bool LoadAttributes(const AttributeMap& attributes) override;
  // Stops (and writes `retval`) when the shell reports success; continues otherwise.
  ActionResult Execute(CEventx& event) override;

  // True for an absolute http:// or https:// URL (scheme in any case) with a host and
  // without spaces, quotes or control characters: the only text an event may have opened.
  static bool IsWebUrl(const std::string& text);

 private:
  std::string page_;
  std::string browser_;
};

}  // namespace KRUI
