#include <algorithm>

#include "platform/soft/window/soft_timers.h"
#include "platform/timer.h"

namespace pg::platform {

namespace soft {
TimerClock& Timers() {
  static TimerClock clock;
  return clock;
}
}  // namespace soft

namespace {

class SoftTimer final : public Timer {
 public:
  explicit SoftTimer(std::function<void()> onTick) : id_(soft::Timers().nextId++) {
    soft::Timers().timers[id_].onTick = std::move(onTick);
  }
  ~SoftTimer() override { soft::Timers().timers.erase(id_); }

  void Start(int intervalMs) override {
    auto& clock = soft::Timers();
    auto& t = clock.timers[id_];
    t.running = true;
    t.interval = std::max(intervalMs, 1);
    t.nextDue = clock.now + t.interval;
    t.startOrder = clock.starts++;
  }
  void Stop() override { soft::Timers().timers[id_].running = false; }
  bool Running() const override { return soft::Timers().timers[id_].running; }

 private:
  std::uint64_t id_;
};

}  // namespace

std::unique_ptr<Timer> Timer::Create(std::function<void()> onTick) {
  return std::make_unique<SoftTimer>(std::move(onTick));
}

}  // namespace pg::platform
