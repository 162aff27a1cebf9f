#pragma once
// A repeating timer on the user-interface thread: its ticks arrive through the
// message pump (on the portable platform, RunMessagePeriod's virtual clock).
#include <functional>
#include <memory>

namespace pg::platform {

class Timer {
 public:
  // onTick runs once per interval while the timer runs. A tick due while an
  // earlier one is still waiting is dropped, as with window timers.
  static std::unique_ptr<Timer> Create(std::function<void()> onTick);
  virtual ~Timer() = default;
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // (Re)starts counting from now; intervals below 1 ms count as 1 ms.
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
  virtual bool Running() const = 0;

 protected:
  Timer() = default;
};

}  // namespace pg::platform
