// "ShellOpenUrl": hands a URL to the shell, in the user's default handler ("default", with
// Internet Explorer as fallback) or in Internet Explorer ("ie").
#pragma once
#include <string>

#include "ui/core/Action.h"

namespace KRUI {

class CShellOpenUrlAction : public CAction {
 public:
  // The words of "browser", in their declared order; 0 is any other word, which opens nothing.
  enum class Browser { kOther, kDefault, kIe };

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  // Stops (and writes `retval`) when the shell reports success; continues otherwise.
  ActionResult Execute(CEventx& event) override;

  // True for an absolute http:// or https:// URL (scheme in any case) with a host and
  // without spaces, quotes or control characters: the only text an event may have opened.
  static bool IsWebUrl(const std::string& text);

 private:
  std::string page_;
  Browser browser_ = Browser::kOther;
};

}  // namespace KRUI
