// The context-menu model the stand-in offers before it would show a menu: a few labelled
// items the handler may remove.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace CefStandin {

class CStandinMenuModel : public KRUI::CCefRefCounted {
 public:
  CStandinMenuModel();
  cef_menu_model_t* Share() noexcept { return table_.Share(); }
  int Count() const { return static_cast<int>(items_.size()); }

 private:
  ~CStandinMenuModel() override = default;
  static CStandinMenuModel* FromSelf(cef_menu_model_t* self) noexcept;
  static int CEF_CALLBACK IsSubMenu(cef_menu_model_t* self) noexcept;
  static int CEF_CALLBACK Clear(cef_menu_model_t* self) noexcept;
  static int CEF_CALLBACK GetCount(cef_menu_model_t* self) noexcept;
  static int CEF_CALLBACK AddSeparator(cef_menu_model_t* self) noexcept;
  static int CEF_CALLBACK AddItem(cef_menu_model_t* self, int commandId, const cef_string_t* label) noexcept;
  static int CEF_CALLBACK RemoveAt(cef_menu_model_t* self, int index) noexcept;
  static int CEF_CALLBACK GetCommandIdAt(cef_menu_model_t* self, int index) noexcept;

  KRUI::CCefStruct<cef_menu_model_t> table_;
  std::vector<std::pair<int, std::wstring>> items_;
};

}  // namespace CefStandin
