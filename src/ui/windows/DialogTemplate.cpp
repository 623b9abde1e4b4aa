#include "ui/windows/DialogTemplate.h"

#include <cstring>

namespace KRUI {
namespace {

void Put16(BYTE* at, int value) {
  const WORD v = static_cast<WORD>(value);
  std::memcpy(at, &v, sizeof(v));
}

void Put32(BYTE* at, DWORD value) { std::memcpy(at, &value, sizeof(value)); }

}  // namespace

UniqueHglobal BuildDialogTemplate(int x, int y, int width, int height) {
  UniqueHglobal block(::GlobalAlloc(GMEM_ZEROINIT, kDialogTemplateBytes));
  if (!block) return block;
  auto* t = static_cast<BYTE*>(::GlobalLock(block.get()));
  if (!t) return UniqueHglobal();

  Put32(t + 0, WS_POPUP | WS_VISIBLE | WS_SYSMENU);
  Put32(t + 4, 0);
  Put16(t + 8, 1);  // one item
  Put16(t + 10, x);
  Put16(t + 12, y);
  Put16(t + 14, width);
  Put16(t + 16, height);
  Put16(t + 18, 0);  // no menu
  Put16(t + 20, 0);  // the predefined dialog class
  // "My Dialog" and its terminator: 20 bytes, then two zero bytes so the item is aligned.
  ::MultiByteToWideChar(CP_ACP, 0, "My Dialog", -1, reinterpret_cast<wchar_t*>(t + 22), 10);

  Put32(t + 44, WS_CHILD | BS_DEFPUSHBUTTON);  // never visible, zero-sized
  Put32(t + 48, 0);
  Put16(t + 52, 0);
  Put16(t + 54, 0);
  Put16(t + 56, 0);
  Put16(t + 58, 0);
  Put16(t + 60, IDOK);
  Put16(t + 62, 0xFFFF);
  Put16(t + 64, 0x0080);  // predefined button class
  ::MultiByteToWideChar(CP_ACP, 0, "OK", -1, reinterpret_cast<wchar_t*>(t + 66), 3);
  Put16(t + 72, 0);  // no creation data
  ::GlobalUnlock(block.get());
  return block;
}

}  // namespace KRUI
