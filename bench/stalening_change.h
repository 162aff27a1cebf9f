#pragma once
// A change that makes a chart draw itself anew at the next paint.
#include <map>
#include <string>
#include <vector>

#include "bench_context.h"
#include "framework/text/codepage.h"

namespace pg::bench {

// Rotation 360 and 359 in turn: every call is a real change, so each paint
// draws the whole chart anew (a flat pie ignores the angle but still redraws).
// The turn is kept per chart across the benchmark's runs: a new change starting
// on the angle the chart already has would leave it valid, and a run of a single
// iteration (the big charts) would time no paint at all.
class StaleningChange {
 public:
  explicit StaleningChange(const std::string& rectangle)
      : action_(Driver().Find("pgView3DRotation")),
        args_{{text::Utf8ToCp1251(rectangle), "359"}, {text::Utf8ToCp1251(rectangle), "360"}},
        turn_(Turns()[rectangle]) {}
  void Apply() {
    Driver().Run(action_, args_[turn_]);
    turn_ ^= 1;
  }

 private:
  static std::map<std::string, int>& Turns() {
    static std::map<std::string, int> turns;
    return turns;
  }
  ModuleDriver::Action action_;
  std::vector<std::string> args_[2];
  int& turn_;
};

}  // namespace pg::bench
