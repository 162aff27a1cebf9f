// Chart windows inside a host window: one per name, destroyed with their
// registration, refitted only on the host's message with parameter 4.
#include <gtest/gtest.h>

#include "charts/actions/chart_actions.h"
#include "charts/chart_registry.h"
#include "charts/chart_window_factory.h"
#include "charts/roll_state.h"
#include "framework/errors.h"
#include "platform/window.h"

namespace pg::charts {
namespace {

struct HostWindow {
  HostWindow(int w, int h) : handle(platform::CreateHostWindow(w, h, 0xFFFFFF)) {}
  ~HostWindow() {
    DestroyChartRegistry();
    platform::DestroyHostWindow(handle);
  }
  platform::WindowHandle handle;
};

TEST(ChartWindowTest, RecreatingANameLeavesOneFreshWindowAndDestroysTheOld) {
  HostWindow host(300, 200);
  ASSERT_TRUE(CreateChartWindow("Rect1", static_cast<std::int32_t>(host.handle)));
  TChartImageForm* first = FindChartWindow("RECT1");
  ASSERT_TRUE(first);
  const auto oldHandle = first->Handle();
  first->Series1().AddPoint(5);
  EXPECT_EQ(platform::GetWindowRectInParent(oldHandle), (platform::TRect{0, 0, 300, 200}));
  EXPECT_TRUE(platform::IsWindowVisible(oldHandle));

  EXPECT_TRUE(DeleteChartWindow("rect1"));
  ASSERT_TRUE(CreateChartWindow("rect1", static_cast<std::int32_t>(host.handle)));
  EXPECT_FALSE(platform::IsWindow(oldHandle));
  TChartImageForm* second = FindChartWindow("Rect1");
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Series1().PointCount(), 0);
  EXPECT_EQ(second->RectangleName(), "rect1");
  EXPECT_EQ(platform::GetTopChildWindow(host.handle), second->Handle());
}

TEST(ChartWindowTest, RefitsToTheHostOnlyForParameterFour) {
  HostWindow host(300, 200);
  ASSERT_TRUE(CreateChartWindow("R", static_cast<std::int32_t>(host.handle)));
  const auto chart = FindChartWindow("R")->Handle();
  platform::SetWindowPos(host.handle, platform::kHwndTop, 0, 0, 350, 120,
                         platform::kSwpNoMove | platform::kSwpNoZOrder);
  platform::SendWindowMessage(chart, kRefitMessage, 0, 3);
  EXPECT_EQ(platform::GetClientRect(chart), (platform::TRect{0, 0, 300, 200}));
  platform::SendWindowMessage(chart, kRefitMessage, 0, kRefitParam);
  EXPECT_EQ(platform::GetWindowRectInParent(chart), (platform::TRect{0, 0, 350, 120}));
}

TEST(ChartWindowTest, AChartWhoseHostWindowIsDestroyedStopsRolling) {
  const auto host = platform::CreateHostWindow(100, 100, 0xFFFFFF);
  ASSERT_TRUE(CreateChartWindow("Gone", static_cast<std::int32_t>(host)));
  ASSERT_TRUE(CreateChartWindow("Kept", static_cast<std::int32_t>(host)));
  TChartImageForm& gone = *FindChartWindow("Gone");
  ChartRoll(gone, {"Gone", "True", "30", "10"});
  ASSERT_TRUE(gone.Timer1().Enabled());
  const auto window = gone.Handle();
  DeleteChartWindow("Kept");  // its owner destroys it: nothing is told
  platform::DestroyHostWindow(host);
  EXPECT_FALSE(platform::IsWindow(window));
  EXPECT_FALSE(gone.Timer1().Enabled());
  gone.Invalidate();
  DestroyChartRegistry();
  SharedRollState() = RollState{};
}

TEST(ChartWindowTest, ACreationIntoNoWindowRegistersNothing) {
  EXPECT_FALSE(CreateChartWindow("Ghost", 12345));
  EXPECT_FALSE(FindChartWindow("Ghost"));
}

TEST(ChartWindowTest, RollSwitchesOnlyItsOwnTimerInTheOrderOfItsTests) {
  HostWindow host(100, 100);
  ASSERT_TRUE(CreateChartWindow("A", static_cast<std::int32_t>(host.handle)));
  ASSERT_TRUE(CreateChartWindow("B", static_cast<std::int32_t>(host.handle)));
  TChartImageForm& a = *FindChartWindow("A");
  TChartImageForm& b = *FindChartWindow("B");
  EXPECT_FALSE(a.Timer1().Enabled());
  EXPECT_EQ(a.Timer1().Interval(), 150);
  ChartRoll(a, {"A", "True", "30", "10"});
  ChartRoll(b, {"B", "True", "30", "10"});
  EXPECT_TRUE(a.Timer1().Enabled());
  EXPECT_THROW(ChartRoll(a, {"A", "False", "x", "10"}), ConvertError);
  EXPECT_FALSE(a.Timer1().Enabled());
  EXPECT_TRUE(b.Timer1().Enabled());
  EXPECT_THROW(ChartRoll(a, {"A", "True", "25", "y"}), ConvertError);
  EXPECT_FALSE(a.Timer1().Enabled());
  EXPECT_EQ(SharedRollState().limit, 25);  // the limit read before the step failed
  ChartRoll(a, {"A", "maybe", "30", "10"});
  EXPECT_FALSE(a.Timer1().Enabled());
  SharedRollState() = RollState{};
}

}  // namespace
}  // namespace pg::charts
