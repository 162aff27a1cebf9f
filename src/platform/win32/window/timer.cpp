// Timers on Windows: thread timers whose ticks the message loop dispatches to
// one procedure, which finds the timer object by its id.
#include "platform/timer.h"

#include <windows.h>

#include <algorithm>
#include <unordered_map>

namespace pg::platform {

namespace {

class Win32Timer;

// The running timers by id; a tick whose id is not here belongs to a timer that
// has been stopped or destroyed, and is ignored.
std::unordered_map<UINT_PTR, Win32Timer*>& RunningTimers() {
  static std::unordered_map<UINT_PTR, Win32Timer*> timers;
  return timers;
}

class Win32Timer final : public Timer {
 public:
  explicit Win32Timer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
  ~Win32Timer() override { Stop(); }

  void Start(int intervalMs) override {
    Stop();
    id_ = ::SetTimer(nullptr, 0, static_cast<UINT>(std::max(intervalMs, 1)), &Tick);
    if (id_) RunningTimers()[id_] = this;
  }

  void Stop() override {
    if (!id_) return;
    ::KillTimer(nullptr, id_);
    RunningTimers().erase(id_);
    id_ = 0;
  }

  bool Running() const override { return id_ != 0; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) noexcept {
    // Nothing may be thrown into the system's message dispatch.
    try {
      auto it = RunningTimers().find(id);
      if (it == RunningTimers().end()) return;
      const auto tick = it->second->onTick_;  // the tick may stop or destroy its timer
      if (tick) tick();
    } catch (...) {
    }
  }

  std::function<void()> onTick_;
  UINT_PTR id_ = 0;
};

}  // namespace

std::unique_ptr<Timer> Timer::Create(std::function<void()> onTick) {
  return std::make_unique<Win32Timer>(std::move(onTick));
}

}  // namespace pg::platform
