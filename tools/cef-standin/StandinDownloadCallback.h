// The callback a download waits on: cont() with a path (empty: the suggested name) and
// whether the save dialog is shown. The stand-in journals what it was told.
#pragma once
#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace CefStandin {

class CStandinDownloadCallback : public KRUI::CCefRefCounted {
 public:
  CStandinDownloadCallback();
  cef_before_download_callback_t* Share() noexcept { return table_.Share(); }

 private:
  ~CStandinDownloadCallback() override = default;
  static void CEF_CALLBACK Continue(cef_before_download_callback_t* self, const cef_string_t* path,
                                    int showDialog) noexcept;

  KRUI::CCefStruct<cef_before_download_callback_t> table_;
};

}  // namespace CefStandin
