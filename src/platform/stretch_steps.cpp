#include "platform/stretch_steps.h"

#include <algorithm>

namespace pg::platform {

namespace {
int Clamp(long long s, long long source) { return static_cast<int>(std::clamp(s, 0LL, source - 1)); }
// The first source pixel of shrinking group d.
long long GroupStart(long long d, long long dest, long long source) { return (d * source * 2 + dest) / (2 * dest); }
}  // namespace

int StretchSourceStep(long long d, long long dest, long long source, bool across) {
  if (dest >= source) return Clamp(((2 * d + 1) * source - 1) / (2 * dest), source);
  return Clamp(across ? GroupStart(d + 1, dest, source) - 1 : GroupStart(d, dest, source), source);
}

SourceGroup StretchSourceGroup(long long d, long long dest, long long source) {
  if (dest >= source) {
    const int s = StretchSourceStep(d, dest, source, true);
    return {s, s + 1};
  }
  const int first = Clamp(GroupStart(d, dest, source), source);
  return {first, std::max(first + 1, Clamp(GroupStart(d + 1, dest, source), source + 1))};
}

}  // namespace pg::platform
