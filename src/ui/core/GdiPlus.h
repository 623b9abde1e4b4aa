// The GDI+ headers as the runtime uses them: the flat API in Gdiplus::DllExports.
#pragma once
#include <windows.h>
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
