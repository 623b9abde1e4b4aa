// Double-buffered painting of a host window's control tree: every displayable control
// draws into one off-screen bitmap of the client size (MSG_PAINT), which then reaches the
// window in one operation. The background is never erased.
#pragma once
#include <windows.h>

namespace KRUI {

class CWindowMessageDispatcher;

// Handles WM_PAINT. Layered: the window takes its shape and translucency from the alpha
// the controls drew (UpdateLayeredWindow); otherwise the bitmap is copied to the window.
void PaintHostWindow(HWND hwnd, CWindowMessageDispatcher& dispatcher, bool layered);

// A zero-filled 32-bit top-down DIB section: what no control drew stays fully transparent,
// and what they drew keeps its alpha. bits, when given, receives its pixels.
HBITMAP CreateAlphaBitmap(HDC dc, int width, int height, void** bits = nullptr);

}  // namespace KRUI
