#pragma once
// The rocking animation's state, one set for the whole module and shared by
// every rolling chart: each tick of any of them moves the same angle.
#include <cstdint>

#include "engine/canvas/view3d_options.h"

namespace pg::charts {

struct RollState {
  std::int32_t angle = 0;
  std::int32_t limit = 0;
  std::int32_t step = 0;
  bool rising = false;
};

RollState& SharedRollState();
// One timer tick on the chart whose view is given.
void RollTick(engine::TView3DOptions& view);

}  // namespace pg::charts
