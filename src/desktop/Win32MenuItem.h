// "Win32MenuItem": one entry (or separator) of a context menu. Chosen, it raises 101.
#pragma once
#include <string>

#include "ui/core/Win32Component.h"

constexpr int kMenuCommandEvent = 101;
// Entries that can be chosen have an index in [0, kMenuItemsPerGroup).
constexpr int kMenuItemsPerGroup = 100;

class CWin32MenuItem : public KRUI::CWin32Component {
 public:
  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  // WM_COMMAND whose wParam is this entry's index (its menu hands it on that way).
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  bool IsSeparator() const { return separator_; }
  int Index() const { return index_; }
  const std::string& Text() const { return text_; }

 private:
  bool separator_ = false;
  int index_ = -1;
  std::string text_;
};
