#include "support/MessagePump.h"

#include <windows.h>

namespace KRUITest {

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMilliseconds) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (done && done()) return true;
    if (::GetTickCount() - start >= timeoutMilliseconds) return done ? done() : true;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

void PumpMessagesFor(unsigned milliseconds) { PumpUntil(nullptr, milliseconds); }

}  // namespace KRUITest
