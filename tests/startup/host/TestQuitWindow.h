// A window element for the start-up tests only. It notes in a report file that the layout
// created it, that it was opened and which bitmaps the table held; a WM_CLOSE sent to its
// window ends the program by posting WM_QUIT with its "quitcode" to the recorded UI thread.
//   <TestQuitWindow id="main" active="true" title="..." quitcode="7"
//                   report="C:\...\report.txt" bitmaps="b1,b2"/>
#pragma once
#include <string>
#include <vector>

#include "ui/core/Handles.h"
#include "ui/core/HostWindow.h"

class CTestQuitWindow : public KRUI::CHostWindow {
 public:
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  HWND GetHwnd() override { return hwnd_.get(); }
  HWND Create(HWND parent) override;
  int Show(int command, bool toFront) override;
  void Hide(int code) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Report(const std::string& line) const;

  KRUI::UniqueHwnd hwnd_;
  std::string title_;
  std::string report_;
  std::vector<std::string> bitmaps_;
  int quitCode_ = 0;
};
