#pragma once
// The marks of a chart window's last paint as text, asked for by a host in
// the same thread (the reference host's `marks` command): one line a mark,
// "mark <point> <left> <top> <right> <bottom> <x>,<y> <x>,<y> ..." in window
// pixels (the box as drawn, right and bottom exclusive, then the line from
// the slice to the box), or "mark <point> dropped".
#include <cstdint>

namespace pg::charts {

inline constexpr unsigned kMarksReportMessage = 0x04FB;

// lParam of the message. The window writes at most capacity bytes, the last a
// zero, and sets length to the whole report's length without the zero.
struct TMarksReport {
  std::uint32_t size = sizeof(TMarksReport);
  char* text = nullptr;
  std::uint32_t capacity = 0;
  std::uint32_t length = 0;
};

}  // namespace pg::charts
