#include "charts/roll_state.h"

#include "framework/arith.h"

namespace pg::charts {

RollState& SharedRollState() {
  static RollState state;
  return state;
}

// The turn at the top sets the rotation twice and leaves it above the limit;
// the angle wraps as a 32-bit integer.
void RollTick(engine::TView3DOptions& view) {
  auto& s = SharedRollState();
  if (s.rising) {
    view.SetRotation(s.angle);
    s.angle = WrapAdd(s.angle, s.step);
    if (s.angle > s.limit) s.rising = false;
  }
  if (!s.rising) {
    view.SetRotation(s.angle);
    s.angle = WrapSub(s.angle, s.step);
    if (s.angle < WrapSub(0, s.limit)) s.rising = true;
  }
}

}  // namespace pg::charts
