// The floor of the launcher's start-up: starts GDI+, reads one PNG, registers a class,
// creates a borderless popup of the given size, and paints the picture over the whole client
// area the way the launcher paints a layered window (32-bit memory bitmap, one GDI+ draw,
// UpdateLayeredWindow). Usage: bench_bare.exe PNG WIDTH HEIGHT [layered]
#include <windows.h>
#include <gdiplus.h>
#include <shellapi.h>

#include <string>

using namespace Gdiplus::DllExports;

namespace {

Gdiplus::GpImage* g_image = nullptr;
bool g_layered = true;

void Paint(HWND hwnd) {
  if (g_layered) {
    LONG exStyle = ::GetWindowLongW(hwnd, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED)) ::SetWindowLongW(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  }
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(hwnd, &ps);
  RECT client;
  ::GetClientRect(hwnd, &client);
  const int w = client.right, h = client.bottom;
  HDC memory = ::CreateCompatibleDC(dc);
  HBITMAP bitmap = nullptr;
  if (g_layered) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  } else {
    bitmap = ::CreateCompatibleBitmap(dc, w, h);
  }
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  Gdiplus::GpGraphics* graphics = nullptr;
  if (GdipCreateFromHDC(memory, &graphics) == Gdiplus::Ok) {
    GdipDrawImageRectI(graphics, g_image, 0, 0, w, h);
    GdipDeleteGraphics(graphics);
  }
  if (g_layered) {
    POINT destination = {0, 0};
    ::ClientToScreen(hwnd, &destination);
    SIZE size = {w, h};
    POINT source = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(hwnd, dc, &destination, &size, memory, &source, 0, &blend, ULW_ALPHA);
  } else {
    ::BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
  }
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::EndPaint(hwnd, &ps);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int argc = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  if (!argv || argc < 4) return 2;
  const int width = _wtoi(argv[2]), height = _wtoi(argv[3]);
  g_layered = argc < 5 || std::wstring(argv[4]) != L"opaque";

  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 3;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (GdipCreateBitmapFromFile(argv[1], &bitmap) != Gdiplus::Ok) return 4;
  g_image = bitmap;

  WNDCLASSEXW wc = {sizeof(wc)};
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"KRUIBenchBare";
  if (!::RegisterClassExW(&wc)) return 5;
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"bare", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x, y,
                                width, height, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 6;
  ::ShowWindow(hwnd, SW_SHOW);

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  GdipDisposeImage(g_image);
  Gdiplus::GdiplusShutdown(token);
  return 0;
}
