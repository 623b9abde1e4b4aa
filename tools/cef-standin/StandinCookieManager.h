// The global cookie manager: one object for the process; the stand-in keeps no cookies and
// journals the calls it gets (flush_store above all).
#pragma once
#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace CefStandin {

class CStandinCookieManager : public KRUI::CCefRefCounted {
 public:
  // The manager with a reference for the caller.
  static cef_cookie_manager_t* ShareGlobal();

 private:
  CStandinCookieManager();
  ~CStandinCookieManager() override = default;
  static int CEF_CALLBACK FlushStore(cef_cookie_manager_t* self, struct _cef_completion_callback_t* callback) noexcept;

  KRUI::CCefStruct<cef_cookie_manager_t> table_;
};

}  // namespace CefStandin
