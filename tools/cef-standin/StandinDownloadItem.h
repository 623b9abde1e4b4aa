// The download a page started, as the download handler sees it.
#pragma once
#include <string>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace CefStandin {

class CStandinDownloadItem : public KRUI::CCefRefCounted {
 public:
  CStandinDownloadItem(const std::wstring& url, const std::wstring& suggestedName);
  cef_download_item_t* Share() noexcept { return table_.Share(); }

 private:
  ~CStandinDownloadItem() override = default;
  static CStandinDownloadItem* FromSelf(cef_download_item_t* self) noexcept;
  static int CEF_CALLBACK IsValid(cef_download_item_t* self) noexcept;
  static int CEF_CALLBACK IsInProgress(cef_download_item_t* self) noexcept;
  static cef_string_userfree_t CEF_CALLBACK GetUrl(cef_download_item_t* self) noexcept;
  static cef_string_userfree_t CEF_CALLBACK GetSuggestedFileName(cef_download_item_t* self) noexcept;

  KRUI::CCefStruct<cef_download_item_t> table_;
  std::wstring url_;
  std::wstring suggestedName_;
};

}  // namespace CefStandin
