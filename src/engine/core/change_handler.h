#pragma once
// Sub-objects of a chart tell their owner that they changed; the owner turns that
// into a repaint request.
#include <functional>

namespace pg::engine {

using ChangeHandler = std::function<void()>;

// Stores value into field and calls onChange, only when the value differs.
template <typename T, typename U>
bool StoreIfChanged(T& field, const U& value, const ChangeHandler& onChange) {
  if (field == value) return false;
  field = value;
  if (onChange) onChange();
  return true;
}

}  // namespace pg::engine
