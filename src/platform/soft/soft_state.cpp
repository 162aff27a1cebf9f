#include "platform/soft/soft_state.h"

namespace pg::platform::soft {

SoftState& State() {
  static SoftState state;
  return state;
}

}  // namespace pg::platform::soft
