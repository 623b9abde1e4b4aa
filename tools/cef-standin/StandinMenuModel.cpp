#include "StandinMenuModel.h"

#include "StandinCommandLine.h"
#include "StandinLog.h"

namespace CefStandin {

CStandinMenuModel::CStandinMenuModel() : table_(this) {
  // What a page's menu holds: back, forward, reload, view source.
  items_ = {{100, L"Back"}, {101, L"Forward"}, {102, L"Reload"}, {0, L""}, {132, L"View source"}};
  cef_menu_model_t* t = table_.get();
  t->is_sub_menu = &IsSubMenu;
  t->clear = &Clear;
  t->get_count = &GetCount;
  t->add_separator = &AddSeparator;
  t->add_item = &AddItem;
  t->remove_at = &RemoveAt;
  t->get_command_id_at = &GetCommandIdAt;
}

CStandinMenuModel* CStandinMenuModel::FromSelf(cef_menu_model_t* self) noexcept {
  return static_cast<CStandinMenuModel*>(KRUI::CCefStruct<cef_menu_model_t>::Owner(self));
}

int CEF_CALLBACK CStandinMenuModel::IsSubMenu(cef_menu_model_t*) noexcept { return 0; }

int CEF_CALLBACK CStandinMenuModel::Clear(cef_menu_model_t* self) noexcept {
  CStandinLog::Instance().Write("menu_model", "clear", 1);
  FromSelf(self)->items_.clear();
  return 1;
}

int CEF_CALLBACK CStandinMenuModel::GetCount(cef_menu_model_t* self) noexcept {
  CStandinLog::Instance().Write("menu_model", "get_count", FromSelf(self)->Count());
  return FromSelf(self)->Count();
}

int CEF_CALLBACK CStandinMenuModel::AddSeparator(cef_menu_model_t* self) noexcept {
  try {
    FromSelf(self)->items_.emplace_back(0, std::wstring());
    return 1;
  } catch (...) {
    return 0;
  }
}

int CEF_CALLBACK CStandinMenuModel::AddItem(cef_menu_model_t* self, int commandId, const cef_string_t* label) noexcept {
  try {
    FromSelf(self)->items_.emplace_back(commandId, FromCefString(label));
    return 1;
  } catch (...) {
    return 0;
  }
}

int CEF_CALLBACK CStandinMenuModel::RemoveAt(cef_menu_model_t* self, int index) noexcept {
  auto& items = FromSelf(self)->items_;
  if (index < 0 || index >= static_cast<int>(items.size())) return 0;
  items.erase(items.begin() + index);
  return 1;
}

int CEF_CALLBACK CStandinMenuModel::GetCommandIdAt(cef_menu_model_t* self, int index) noexcept {
  auto& items = FromSelf(self)->items_;
  return index >= 0 && index < static_cast<int>(items.size()) ? items[index].first : -1;
}

}  // namespace CefStandin
