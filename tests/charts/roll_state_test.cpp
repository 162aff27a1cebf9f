// The rocking sequence tick by tick, from a fresh shared state.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "charts/roll_state.h"

namespace pg::charts {
namespace {

std::vector<int> Ticks(int limit, int step, int n, engine::TView3DOptions& view) {
  SharedRollState() = RollState{0, limit, step, false};
  std::vector<int> seen;
  for (int i = 0; i < n; ++i) {
    RollTick(view);
    seen.push_back(view.Rotation());
  }
  return seen;
}

TEST(RollTickTest, SwingsBetweenTheBoundsAndTurnsWithADoubleSetAtTheTop) {
  engine::TView3DOptions view;
  EXPECT_EQ(Ticks(30, 10, 21, view),
            (std::vector<int>{0, -10, -20, -30, -40, -30, -20, -10, 0, 10, 20, 40, 30, 20, 10, 0, -10, -20,
                              -30, -40, -30}));
}

TEST(RollTickTest, DegenerateLimitsAndSteps) {
  engine::TView3DOptions view;
  EXPECT_EQ(Ticks(30, 0, 3, view), (std::vector<int>{0, 0, 0}));
  // A negative limit turns the swing at once, every tick: -10 then 0.
  EXPECT_EQ(Ticks(-5, 10, 4, view), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(SharedRollState().angle, -10);
}

TEST(RollTickTest, TheAngleWrapsLikeA32BitInteger) {
  engine::TView3DOptions view;
  SharedRollState() = RollState{INT_MAX - 5, INT_MAX, 10, true};
  RollTick(view);
  EXPECT_EQ(view.Rotation(), INT_MAX - 5);
  EXPECT_EQ(SharedRollState().angle, INT_MIN + 4);  // wrapped, still below the limit
  EXPECT_TRUE(SharedRollState().rising);
  SharedRollState() = RollState{INT_MIN + 5, INT_MIN, 10, false};
  RollTick(view);  // -INT_MIN wraps to INT_MIN itself
  EXPECT_EQ(SharedRollState().angle, INT_MAX - 4);
  SharedRollState() = RollState{};
}

}  // namespace
}  // namespace pg::charts
