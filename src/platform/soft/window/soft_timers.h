#pragma once
// Timers of the portable platform on its virtual clock (milliseconds since load).
#include <cstdint>
#include <functional>
#include <map>

namespace pg::platform::soft {

struct SoftTimerEntry {
  std::function<void()> onTick;
  bool running = false;
  std::int64_t interval = 1;
  std::int64_t nextDue = 0;
  std::uint64_t startOrder = 0;
};

struct TimerClock {
  std::int64_t now = 0;
  std::uint64_t nextId = 1;
  std::uint64_t starts = 0;
  std::map<std::uint64_t, SoftTimerEntry> timers;
};

TimerClock& Timers();

}  // namespace pg::platform::soft
