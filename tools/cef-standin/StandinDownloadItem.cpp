#include "StandinDownloadItem.h"

#include "StandinCommandLine.h"

namespace CefStandin {

CStandinDownloadItem::CStandinDownloadItem(const std::wstring& url, const std::wstring& suggestedName)
    : table_(this), url_(url), suggestedName_(suggestedName) {
  cef_download_item_t* t = table_.get();
  t->is_valid = &IsValid;
  t->is_in_progress = &IsInProgress;
  t->get_url = &GetUrl;
  t->get_original_url = &GetUrl;
  t->get_suggested_file_name = &GetSuggestedFileName;
}

CStandinDownloadItem* CStandinDownloadItem::FromSelf(cef_download_item_t* self) noexcept {
  return static_cast<CStandinDownloadItem*>(KRUI::CCefStruct<cef_download_item_t>::Owner(self));
}

int CEF_CALLBACK CStandinDownloadItem::IsValid(cef_download_item_t*) noexcept { return 1; }
int CEF_CALLBACK CStandinDownloadItem::IsInProgress(cef_download_item_t*) noexcept { return 0; }

cef_string_userfree_t CEF_CALLBACK CStandinDownloadItem::GetUrl(cef_download_item_t* self) noexcept {
  try {
    return NewUserfreeString(FromSelf(self)->url_);
  } catch (...) {
    return nullptr;
  }
}

cef_string_userfree_t CEF_CALLBACK CStandinDownloadItem::GetSuggestedFileName(cef_download_item_t* self) noexcept {
  try {
    return NewUserfreeString(FromSelf(self)->suggestedName_);
  } catch (...) {
    return nullptr;
  }
}

}  // namespace CefStandin
