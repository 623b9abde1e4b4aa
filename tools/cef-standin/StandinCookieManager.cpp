#include "StandinCookieManager.h"

#include "StandinLog.h"

namespace CefStandin {

CStandinCookieManager::CStandinCookieManager() : table_(this) { table_.get()->flush_store = &FlushStore; }

cef_cookie_manager_t* CStandinCookieManager::ShareGlobal() {
  // Kept by the runtime for the whole process, like the real global manager.
  static CStandinCookieManager* manager = new CStandinCookieManager();
  return manager->table_.Share();
}

int CEF_CALLBACK CStandinCookieManager::FlushStore(cef_cookie_manager_t*,
                                                   struct _cef_completion_callback_t* callback) noexcept {
  CStandinLog::Instance().Write("cookie_manager", "flush_store", callback ? 1 : 0);
  // The completion would run on the IO thread; the stand-in completes at once.
  if (callback && callback->on_complete) callback->on_complete(callback);
  KRUI::CefRelease(callback);
  return 1;
}

}  // namespace CefStandin
