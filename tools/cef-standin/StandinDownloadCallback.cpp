#include "StandinDownloadCallback.h"

#include "StandinCommandLine.h"
#include "StandinLog.h"

namespace CefStandin {

CStandinDownloadCallback::CStandinDownloadCallback() : table_(this) { table_.get()->cont = &Continue; }

void CEF_CALLBACK CStandinDownloadCallback::Continue(cef_before_download_callback_t*, const cef_string_t* path,
                                                     int showDialog) noexcept {
  try {
    CStandinLog& log = CStandinLog::Instance();
    log.Write("download", "cont_path", FromCefString(path));
    log.Write("download", "cont_show_dialog", showDialog);
  } catch (...) {
  }
}

}  // namespace CefStandin
