#include "framework/forms/timer.h"

#include "platform/timer.h"

namespace pg::forms {

TTimer::TTimer() = default;
TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Update();
}

void TTimer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Update();
}

void TTimer::SetOnTimer(std::function<void()> handler) {
  onTimer_ = std::move(handler);
  Update();
}

// The platform timer runs only while enabled with a handler and a positive
// interval; a change restarts the count.
void TTimer::Update() {
  if (!enabled_ || interval_ <= 0 || !onTimer_) {
    if (timer_) timer_->Stop();
    return;
  }
  if (!timer_) timer_ = platform::Timer::Create([this] {
    if (onTimer_) onTimer_();
  });
  if (timer_) timer_->Start(interval_);
}

}  // namespace pg::forms
