// Runs the calling thread's message loop for tests.
#pragma once
#include <functional>

namespace KRUITest {

// Dispatches messages for about `milliseconds`.
void PumpMessagesFor(unsigned milliseconds);
// Dispatches messages until done() holds or the time is up; returns done().
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMilliseconds);

}  // namespace KRUITest
