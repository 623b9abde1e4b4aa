// The ActiveX host window classes "AtlAxWin140" and "AtlAxWinLic140": a window of either class
// holds one container (CAxContainer) from WM_CREATE to WM_NCDESTROY, keeps its control at the
// client rectangle, and answers the registered messages "WM_ATLGETHOST" and
// "WM_ATLGETCONTROL" with the container's or the control's IUnknown (an added reference the
// caller releases). A window created with a class identifier ("{...}") or a ProgID as its
// title creates that control at once. Registered at module initialisation.
#pragma once
#include <windows.h>

namespace KRUI {

class CAxHostWindowClass {
 public:
  static constexpr const wchar_t* kClassName = L"AtlAxWin140";
  static constexpr const wchar_t* kLicClassName = L"AtlAxWinLic140";

  // Registers both classes (global classes, as a superclass may be made from any module);
  // true when both exist afterwards. Repeated calls are harmless.
  static bool Register(HINSTANCE instance);
  // Unregisters what Register registered (fails quietly while windows of a class exist).
  static void Unregister(HINSTANCE instance);

  static UINT GetHostMessage();
  static UINT GetControlMessage();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static void CreateControlFromTitle(HWND hwnd);
};

}  // namespace KRUI
