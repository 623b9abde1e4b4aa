// The SetWindowPos flag sets the browser controls move, show and hide their windows with,
// named once: two hides differ only in SWP_NOREDRAW, so each has its own name.
#pragma once
#include <windows.h>

namespace KRUI {

// Child placement, and a browser's window inside its host: move and size, stay behind.
constexpr UINT kChildSizeFlags = SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOZORDER;
// Detached placement: the tool window follows its host.
constexpr UINT kMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;
constexpr UINT kMoveRaiseFlags = SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE;
constexpr UINT kRaiseFlags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
constexpr UINT kShowRaiseFlags = SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
// Hidden because the host hides.
constexpr UINT kHideFlags = SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;
// Hidden because the host is minimised or the control is hidden: nothing is repainted.
constexpr UINT kHideWithoutRedrawFlags = kHideFlags | SWP_NOREDRAW;
// The host window directly under its tool window.
constexpr UINT kHostBelowFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOSENDCHANGING;

static_assert(kChildSizeFlags == 0x1C && kMoveFlags == 0x1D && kMoveRaiseFlags == 0x19 && kRaiseFlags == 0x13 &&
                  kShowRaiseFlags == 0x53 && kHideFlags == 0x93 && kHideWithoutRedrawFlags == 0x9B &&
                  kHostBelowFlags == 0x41B,
              "the values the browser controls are written for");

}  // namespace KRUI
