// The pump and the timers against the real queue: what the host's loop must
// still see afterwards, and ticks that change their own timer.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "platform/timer.h"
#include "platform/win32_only/win32_window_support.h"

namespace pg::platform {
namespace {

TEST(Win32MessagePump, AQuitRequestSurvivesForTheHostsOwnLoop) {
  ::PostQuitMessage(3);
  DeliverPendingPaints();
  MSG m{};
  ASSERT_TRUE(::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(m.wParam, 3u);
}

TEST(Win32MessagePump, PostedMessagesFlowButTicksWaitForTheirPeriod) {
  int ticks = 0;
  auto timer = Timer::Create([&] { ++ticks; });
  timer->Start(1);
  ::Sleep(40);
  DeliverPendingPaints();
  EXPECT_EQ(ticks, 0);
  RunMessagePeriod(0);
  EXPECT_EQ(ticks, 1);  // one tick per period however often it fell due
}

TEST(Win32Timer, ATickMayDestroyItsOwnTimerOrThrow) {
  std::unique_ptr<Timer> self;
  int ticks = 0;
  self = Timer::Create([&] {
    ++ticks;
    self.reset();
  });
  self->Start(20);
  auto thrower = Timer::Create([] { throw std::runtime_error("tick"); });
  thrower->Start(20);
  RunMessagePeriod(20);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(self);
  RunMessagePeriod(20);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(thrower->Running());
}

}  // namespace
}  // namespace pg::platform
