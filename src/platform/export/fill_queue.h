#pragma once
// Solid fills wait a few at a time before a writer writes them, so that each can
// reach a pixel under what is filled over it next. Readers that smooth every
// shape's edges on their own, or scale a picture a little (cairo's PDF viewers,
// LibreOffice), otherwise let the page show between two fills that abut: a
// gradient's bands came out striped, and where each band is a pixel wide (the
// gradients from the centre or a corner), lighter all over.
#include <cstddef>
#include <deque>
#include <functional>

#include "platform/device_context.h"

namespace pg::platform {

struct SolidFill {
  TRect rect;
  Color color;
};

class FillQueue {
 public:
  // Writes one fill; its rectangle may be a pixel larger than the one added
  // on a side where only fills drawn over it, or its own colour, lie.
  using Writer = std::function<void(const SolidFill&)>;
  explicit FillQueue(Writer write) : write_(std::move(write)) {}

  // A fill over r (not empty) drawn after every fill added so far. One that
  // continues the last in the same colour and span makes one rectangle with it.
  void Add(const TRect& r, Color color);
  // Writes every waiting fill and forgets the written ones: whatever is drawn
  // next may cover them. Does nothing while a fill is being written, so a
  // writer may use the calls that flush.
  void Flush();

 private:
  void WriteOldest();
  // Whether no pixel of the strip [from, to) of a row (or column) `line` would
  // change if fill i covered it too: each is filled over later or already shows
  // fill i's colour.
  bool Hidden(std::size_t i, bool row, int line, int from, int to) const;

  struct Entry {
    SolidFill fill;
    bool written;
  };
  std::deque<Entry> entries_;  // oldest first; the last waiting_ are not written yet
  std::size_t waiting_ = 0;
  bool writing_ = false;
  Writer write_;
};

}  // namespace pg::platform
