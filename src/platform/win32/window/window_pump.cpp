// The host's message loop in measured steps: pending paints, and periods of
// real time after which every due timer ticks once.
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/window.h"

namespace pg::platform {

namespace {

// Bounds every drain, so a window that never validates cannot hold the host.
constexpr int kMaxMessages = 10000;
// Waited beyond the period: the system's timer expiries are then all in the
// queue when the ticks are collected.
constexpr int kTimerMarginMs = 30;

bool PeekOtherThanTimer(MSG& m) {
  return ::PeekMessageW(&m, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
         ::PeekMessageW(&m, nullptr, WM_TIMER + 1, 0xFFFFFFFFu, PM_REMOVE);
}

// False when the loop has to stop: WM_QUIT is put back for the host's own loop.
bool Dispatch(const MSG& m) {
  if (m.message == WM_QUIT) {
    ::PostQuitMessage(static_cast<int>(m.wParam));
    return false;
  }
  ::TranslateMessage(&m);
  ::DispatchMessageW(&m);
  return true;
}

double NowMs() {
  LARGE_INTEGER frequency{}, count{};
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Each due timer once, earliest expiry first. A timer met a second time fell due
// again while the others ticked: its tick is dropped, as the queue would merge it.
void DeliverDueTimers() {
  std::vector<std::pair<HWND, WPARAM>> ticked;
  MSG m;
  for (int i = 0; i < kMaxMessages && ::PeekMessageW(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE); ++i) {
    const auto key = std::make_pair(m.hwnd, m.wParam);
    if (std::find(ticked.begin(), ticked.end(), key) != ticked.end()) break;
    ticked.push_back(key);
    ::DispatchMessageW(&m);
  }
}

}  // namespace

void DeliverPendingPaints() {
  MSG m;
  for (int i = 0; i < kMaxMessages && PeekOtherThanTimer(m); ++i)
    if (!Dispatch(m)) return;
}

void RunMessagePeriod(int milliseconds) {
  const double deadline = NowMs() + std::max(milliseconds, 0) + kTimerMarginMs;
  for (;;) {
    // Messages other than ticks flow while the period passes.
    DeliverPendingPaints();
    const double left = deadline - NowMs();
    if (left <= 0) break;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min(left, 10.0)) + 1,
                                QS_ALLINPUT & ~QS_TIMER);
  }
  DeliverDueTimers();
  DeliverPendingPaints();
}

}  // namespace pg::platform
