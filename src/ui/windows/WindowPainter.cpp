#include "ui/windows/WindowPainter.h"

#include "ui/core/Control.h"
#include "ui/core/Handles.h"
#include "ui/windows/WindowMessageDispatcher.h"

namespace KRUI {

// A bitmap compatible with a 24-bit screen would drop alpha.
HBITMAP CreateAlphaBitmap(HDC dc, int width, int height, void** bits) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bits) *bits = pixels;
  return bitmap;
}

void PaintHostWindow(HWND hwnd, CWindowMessageDispatcher& dispatcher, bool layered) {
  if (layered) {
    LONG exStyle = ::GetWindowLongW(hwnd, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED)) ::SetWindowLongW(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  }
  PaintDc paint(hwnd);
  RECT client;
  ::GetClientRect(hwnd, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (!paint.get() || width <= 0 || height <= 0) return;

  UniqueHdc memory(::CreateCompatibleDC(paint.get()));
  UniqueHbitmap bitmap(layered ? CreateAlphaBitmap(paint.get(), width, height)
                               : ::CreateCompatibleBitmap(paint.get(), width, height));
  if (!memory || !bitmap) return;
  SelectObjectScope select(memory.get(), bitmap.get());

  LRESULT ignored = 0;
  dispatcher.RouteWindowMessage(hwnd, MSG_PAINT, reinterpret_cast<WPARAM>(memory.get()), 0, ignored);

  if (layered) {
    POINT destination = {0, 0};
    ::ClientToScreen(hwnd, &destination);
    SIZE size = {width, height};
    POINT source = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(hwnd, paint.get(), &destination, &size, memory.get(), &source, 0, &blend, ULW_ALPHA);
  } else {
    ::BitBlt(paint.get(), 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace KRUI
