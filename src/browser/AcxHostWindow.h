// The window the ActiveX browser control lives in: a class derived from "AtlAxWin140" (the
// host window class's procedure keeps running underneath), made by the control on its host's
// WM_CREATE and destroyed with the control or with its parent window.
#pragma once
#include <windows.h>

namespace KRUI {

class _CAcxHostWindow {
 public:
  static constexpr const wchar_t* kClassName = L"KRUI_AcxHostWindow";

  _CAcxHostWindow() = default;
  ~_CAcxHostWindow();
  _CAcxHostWindow(const _CAcxHostWindow&) = delete;
  _CAcxHostWindow& operator=(const _CAcxHostWindow&) = delete;

  // Creates the window (rect in the parent's client coordinates, or on the screen without a
  // parent); none when the host window class is not registered.
  HWND Create(HWND parent, const RECT& rect, DWORD style, DWORD exStyle);
  void Destroy();
  // The handle while the window exists.
  HWND Handle() const { return hwnd_; }

  // Creates the control by class identifier in the window.
  HRESULT CreateControl(REFCLSID clsid);
  // The control's interface iid, with an added reference.
  HRESULT QueryControl(REFIID iid, void** out);

 private:
  static bool RegisterSuperclass();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  static WNDPROC baseProc_;
  HWND hwnd_ = nullptr;
};

}  // namespace KRUI
