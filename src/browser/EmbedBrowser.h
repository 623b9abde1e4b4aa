// What every embedded browser control offers the actions, whichever engine draws the page.
// A browser control derives from CControl and from this interface; callers holding a
// CControl reach it with dynamic_cast, and a control without it is simply not a browser.
#pragma once
#include <string>

namespace KRUI {

class CEmbedBrowser {
 public:
  virtual ~CEmbedBrowser() = default;
  // Loads the URL (narrow text in the ANSI code page).
  virtual bool Navigate(const std::string& url) = 0;
  // Stops the current load.
  virtual bool Stop() = 0;
  // Reloads the current page; ignoreCache bypasses the cache.
  virtual bool Refresh(bool ignoreCache) = 0;
};

}  // namespace KRUI
