#pragma once
// The framework's timer component: a repeating tick on the user-interface thread
// that runs while Enabled, every Interval milliseconds.
#include <functional>
#include <memory>

namespace pg::platform {
class Timer;
}

namespace pg::forms {

class TTimer {
 public:
  TTimer();
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  void SetOnTimer(std::function<void()> handler);

 private:
  void Update();

  std::unique_ptr<platform::Timer> timer_;
  std::function<void()> onTimer_;
  bool enabled_ = true;
  int interval_ = 1000;
};

}  // namespace pg::forms
