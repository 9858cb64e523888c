// Waits that keep the calling thread's windows live by dispatching their
// messages while they wait. Window handlers may therefore run, re-entrantly,
// before a wait returns.
#pragma once
#include <cstdint>
#include <string>

namespace vd {

// Spins for ms milliseconds (tick count, wrap-safe), dispatching pending
// messages on every round; at least one round, so BusyWait(0) dispatches once.
void BusyWait(uint32_t ms);

// As BusyWait, but every round first sleeps step milliseconds (a negative
// step counts as 0) and then dispatches pending messages. Messages that
// other threads send to the thread's windows are served during the sleep.
void SleepWait(uint32_t ms, int32_t step);

// Units of TimerWait.
enum TWaitUnit : uint8_t {
    wuMilliseconds = 1,
    wuSeconds = 2,
};

// Waits on a one-shot kernel waitable timer for amount units, waking for
// every input message to dispatch pending messages. Returns at once when the
// timer cannot be created or the unit is neither 1 nor 2.
void TimerWait(int32_t amount, uint8_t unit);

// The timer's name: hour, minute, second and millisecond of the time of day,
// each without leading zeros, run together ("HNSZ").
std::string TimerNameFor(int hour, int minute, int second, int millisecond);

}  // namespace vd
