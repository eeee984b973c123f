#pragma once
// Waiting in tests for what the event loop delivers.
#include <functional>

namespace lexiglade::test {

// Delivers pending events until `done` holds or `ms` have passed; false on timeout.
bool WaitFor(const std::function<bool()>& done, int ms = 5000);
// Delivers events for `ms` milliseconds.
void Settle(int ms);

} // namespace lexiglade::test
