// The message loop's deliveries on the portable platform: paints of invalid
// windows, and timer ticks on a virtual clock that only the host advances.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/soft/bitmap_impl.h"
#include "platform/soft/window/soft_timers.h"
#include "platform/soft/window/window_tree.h"

namespace pg::platform {

namespace {

// What a paint draws on: white, with a fresh device context. The last paint's
// bitmap is reused when the size still fits (a new one per paint cost more than
// copying a buffered chart); it leaves the window while the paint runs, since
// the paint may destroy the window.
// A window too large for one bitmap keeps the top-left part that fits.
std::unique_ptr<Bitmap> SurfaceForPaint(soft::SoftWindow& w, int width, int height) {
  Bitmap::FitAllowedSize(width, height);
  if (!w.surface || w.surface->Width() != width || w.surface->Height() != height || width <= 0 || height <= 0)
    return std::make_unique<Bitmap>(width, height);
  auto surface = std::move(w.surface);
  auto& impl = surface->impl();
  impl.surface->Clear();
  impl.context = std::make_unique<soft::SoftDeviceContext>(*impl.surface);
  return surface;
}

// The windows a paint pass is about to visit. They are copied, as a paint may
// create or destroy windows, into one buffer kept between paints and used as a
// stack (nested passes append after their caller's part), so that a paint
// allocates nothing however many windows there are.
class PendingWindows {
 public:
  explicit PendingWindows(const std::vector<WindowHandle>& windows) : from_(Buffer().size()) {
    Buffer().insert(Buffer().end(), windows.begin(), windows.end());
    to_ = Buffer().size();
  }
  ~PendingWindows() { Buffer().resize(from_); }
  PendingWindows(const PendingWindows&) = delete;
  PendingWindows& operator=(const PendingWindows&) = delete;

  std::size_t Count() const { return to_ - from_; }
  // By index: nested passes may move the buffer.
  WindowHandle operator[](std::size_t i) const { return Buffer()[from_ + i]; }

 private:
  static std::vector<WindowHandle>& Buffer() {
    static std::vector<WindowHandle> buffer;
    return buffer;
  }
  std::size_t from_, to_;
};

// Paints one window if it needs it, then its children; true when anything painted.
bool PaintTree(WindowHandle h) {
  soft::SoftWindow* w = soft::Tree().Find(h);
  if (!w || !w->visible) return false;
  bool painted = false;
  if (w->invalid) {
    w->invalid = false;
    painted = true;
    const int width = w->rect.Width(), height = w->rect.Height();
    auto surface = SurfaceForPaint(*w, width, height);
    const TRect client{0, 0, width, height};
    if (w->client) {
      w->client->WindowPaint(surface->Dc(), client);
    } else {
      Brush b;
      b.color = ColorToRgb(w->background);
      surface->Dc().SetBrush(b);
      surface->Dc().FillRect(client);
    }
    w = soft::Tree().Find(h);  // the paint may have destroyed the window
    if (!w) return true;
    w->surface = std::move(surface);
  }
  const PendingWindows children(w->children);
  for (std::size_t i = 0; i < children.Count(); ++i) painted |= PaintTree(children[i]);
  return painted;
}

}  // namespace

void DeliverPendingPaints() {
  // A paint that invalidates again is painted again, a bounded number of times.
  for (int pass = 0; pass < 8; ++pass) {
    bool painted = false;
    const PendingWindows top(soft::Tree().TopLevel());
    for (std::size_t i = 0; i < top.Count(); ++i) painted |= PaintTree(top[i]);
    if (!painted) break;
  }
}

void RunMessagePeriod(int milliseconds) {
  auto& clock = soft::Timers();
  const std::int64_t end = clock.now + std::max(milliseconds, 0);
  // Each timer due by the end ticks once; later expiries within the period are
  // dropped, as a timer message waiting in the queue absorbs them.
  struct Due {
    std::int64_t at;
    std::uint64_t order;
    std::uint64_t id;
  };
  std::vector<Due> due;
  for (auto& [id, t] : clock.timers) {
    if (!t.running || t.nextDue > end) continue;
    due.push_back({t.nextDue, t.startOrder, id});
    while (t.nextDue <= end) t.nextDue += t.interval;
  }
  std::sort(due.begin(), due.end(),
            [](const Due& a, const Due& b) { return a.at != b.at ? a.at < b.at : a.order < b.order; });
  clock.now = end;
  for (const Due& d : due) {
    auto it = clock.timers.find(d.id);
    if (it == clock.timers.end() || !it->second.running) continue;
    auto tick = it->second.onTick;  // the tick may stop or destroy its timer
    if (tick) tick();
  }
  DeliverPendingPaints();
}

}  // namespace pg::platform
