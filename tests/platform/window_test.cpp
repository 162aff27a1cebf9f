// Window tree, paint and timer behaviour that chart windows rely on; the same
// cases run on both platforms.
#include <gtest/gtest.h>

#include <vector>

#include "platform/bitmap.h"
#include "platform/timer.h"
#include "platform/window.h"

namespace pg::platform {
namespace {

constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);

class FilledClient : public WindowClient {
 public:
  explicit FilledClient(Color c) : colour(c) {}
  void WindowPaint(DeviceContext& dc, const TRect& clientRect) override {
    ++paints;
    lastClient = clientRect;
    Brush b;
    b.color = colour;
    dc.SetBrush(b);
    dc.FillRect(clientRect);
  }
  bool WindowMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result) override {
    messages.push_back({msg, wParam, lParam});
    if (msg != kWmUser + 0xFA) return false;
    result = 77;
    return true;
  }
  struct Message {
    unsigned msg;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };
  Color colour;
  int paints = 0;
  TRect lastClient{};
  std::vector<Message> messages;
};

struct HostWindow {
  explicit HostWindow(int w, int h) : handle(CreateHostWindow(w, h, kWhite)) {}
  ~HostWindow() { DestroyHostWindow(handle); }
  WindowHandle handle;
};

std::uint32_t CapturedPixel(WindowHandle w, int x, int y) {
  auto picture = CaptureWindow(w);
  return picture ? picture->Pixel(x, y) : 0xDEADu;
}

TEST(WindowTest, ChildFollowsSetWindowPosAndReportsItsGeometry) {
  HostWindow host(300, 200);
  ASSERT_NE(host.handle, 0);
  EXPECT_EQ(GetClientRect(host.handle), (TRect{0, 0, 300, 200}));
  FilledClient client(kRed);
  auto child = Window::CreateChild(host.handle, client);
  ASSERT_TRUE(child);
  const WindowHandle h = child->Handle();
  EXPECT_TRUE(IsWindow(h));
  EXPECT_EQ(GetParentWindow(h), host.handle);
  EXPECT_FALSE(IsWindowVisible(h));

  ASSERT_TRUE(SetWindowPos(h, kHwndTop, 0, 0, 300, 200, kSwpShowWindow));
  EXPECT_TRUE(IsWindowVisible(h));
  EXPECT_EQ(GetClientRect(h), (TRect{0, 0, 300, 200}));
  EXPECT_EQ(GetWindowRectInParent(h), (TRect{0, 0, 300, 200}));
  EXPECT_EQ(GetTopChildWindow(host.handle), h);

  // The host resizes its window; the child keeps its size until told.
  ASSERT_TRUE(SetWindowPos(host.handle, kHwndTop, 0, 0, 420, 250, kSwpNoMove | kSwpNoZOrder));
  EXPECT_EQ(GetClientRect(host.handle), (TRect{0, 0, 420, 250}));
  EXPECT_EQ(GetClientRect(h), (TRect{0, 0, 300, 200}));
}

TEST(WindowTest, UnknownHandlesAreHarmless) {
  EXPECT_FALSE(IsWindow(0));
  EXPECT_EQ(GetClientRect(0), (TRect{}));
  EXPECT_FALSE(SetWindowPos(0, kHwndTop, 0, 0, 10, 10, kSwpShowWindow));
  EXPECT_EQ(SendWindowMessage(0, kWmUser + 0xFA, 0, 4), 0);
  FilledClient client(kRed);
  EXPECT_FALSE(Window::CreateChild(0, client));
  EXPECT_FALSE(CaptureWindow(0));
}

TEST(WindowTest, PaintsArriveOncePerInvalidationAndOnlyWhenVisible) {
  HostWindow host(120, 80);
  FilledClient client(kRed);
  auto child = Window::CreateChild(host.handle, client);
  ASSERT_TRUE(child);
  DeliverPendingPaints();
  EXPECT_EQ(client.paints, 0);  // hidden windows are not painted

  SetWindowPos(child->Handle(), kHwndTop, 0, 0, 120, 80, kSwpShowWindow);
  DeliverPendingPaints();
  EXPECT_EQ(client.paints, 1);
  EXPECT_EQ(client.lastClient, (TRect{0, 0, 120, 80}));
  DeliverPendingPaints();
  EXPECT_EQ(client.paints, 1);

  InvalidateWindow(child->Handle());
  InvalidateWindow(child->Handle());
  DeliverPendingPaints();
  EXPECT_EQ(client.paints, 2);

  ShowWindow(host.handle, false);
  InvalidateWindow(child->Handle());
  DeliverPendingPaints();
  EXPECT_EQ(client.paints, 2);
  ShowWindow(host.handle, true);
  DeliverPendingPaints();
  EXPECT_EQ(client.paints, 3);
}

TEST(WindowTest, PrivateMessagesReachTheClientWithTheirParameters) {
  HostWindow host(50, 50);
  FilledClient client(kRed);
  auto child = Window::CreateChild(host.handle, client);
  ASSERT_TRUE(child);
  EXPECT_EQ(SendWindowMessage(child->Handle(), kWmUser + 0xFA, 0, 4), 77);
  EXPECT_EQ(SendWindowMessage(child->Handle(), kWmUser + 1, 5, -3), 0);
  ASSERT_EQ(client.messages.size(), 2u);
  EXPECT_EQ(client.messages[0].msg, 0x04FAu);
  EXPECT_EQ(client.messages[0].lParam, 4);
  EXPECT_EQ(client.messages[1].wParam, 5u);
  EXPECT_EQ(client.messages[1].lParam, -3);
}

TEST(WindowTest, CaptureCompositesVisibleChildrenInZOrder) {
  HostWindow host(100, 60);
  FilledClient red(kRed), blue(kBlue);
  auto a = Window::CreateChild(host.handle, red);
  auto b = Window::CreateChild(host.handle, blue);
  ASSERT_TRUE(a && b);
  SetWindowPos(a->Handle(), kHwndTop, 10, 10, 40, 30, kSwpShowWindow);
  SetWindowPos(b->Handle(), kHwndTop, 30, 20, 40, 30, kSwpShowWindow);
  EXPECT_EQ(GetTopChildWindow(host.handle), b->Handle());
  DeliverPendingPaints();
  EXPECT_EQ(CapturedPixel(host.handle, 5, 5), 0xFFFFFFu);
  EXPECT_EQ(CapturedPixel(host.handle, 15, 15), 0xFF0000u);
  EXPECT_EQ(CapturedPixel(host.handle, 35, 25), 0x0000FFu);  // b covers a
  EXPECT_EQ(CapturedPixel(host.handle, 69, 49), 0x0000FFu);
  EXPECT_EQ(CapturedPixel(host.handle, 70, 50), 0xFFFFFFu);

  SetWindowPos(a->Handle(), kHwndTop, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
  DeliverPendingPaints();
  EXPECT_EQ(CapturedPixel(host.handle, 35, 25), 0xFF0000u);  // a raised over b

  ShowWindow(b->Handle(), false);
  DeliverPendingPaints();
  EXPECT_EQ(CapturedPixel(host.handle, 60, 45), 0xFFFFFFu);
  auto picture = CaptureWindow(host.handle);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 100);
  EXPECT_EQ(picture->Height(), 60);
}

TEST(WindowTest, DestroyingTheHostWindowFirstLeavesTheChildObjectSafe) {
  FilledClient client(kRed);
  std::unique_ptr<Window> child;
  WindowHandle h = 0;
  {
    HostWindow host(40, 40);
    child = Window::CreateChild(host.handle, client);
    ASSERT_TRUE(child);
    h = child->Handle();
  }
  EXPECT_FALSE(IsWindow(h));
  child.reset();
}

TEST(WindowTest, TimersTickOncePerDuePeriodInStartOrderThenPaint) {
  HostWindow host(30, 30);
  FilledClient client(kRed);
  auto child = Window::CreateChild(host.handle, client);
  ASSERT_TRUE(child);
  SetWindowPos(child->Handle(), kHwndTop, 0, 0, 30, 30, kSwpShowWindow);
  DeliverPendingPaints();
  const int paintsBefore = client.paints;

  std::vector<char> ticks;
  auto first = Timer::Create([&] {
    ticks.push_back('a');
    InvalidateWindow(child->Handle());
  });
  auto second = Timer::Create([&] { ticks.push_back('b'); });
  first->Start(150);
  second->Start(150);
  EXPECT_TRUE(first->Running());
  RunMessagePeriod(150);
  EXPECT_EQ(std::string(ticks.begin(), ticks.end()), "ab");
  EXPECT_EQ(client.paints, paintsBefore + 1);  // the tick's invalidation painted
  RunMessagePeriod(150);
  RunMessagePeriod(150);
  EXPECT_EQ(std::string(ticks.begin(), ticks.end()), "ababab");

  first->Stop();
  EXPECT_FALSE(first->Running());
  RunMessagePeriod(150);
  EXPECT_EQ(std::string(ticks.begin(), ticks.end()), "abababb");
  second.reset();  // a destroyed timer never ticks again
  RunMessagePeriod(150);
  EXPECT_EQ(ticks.size(), 7u);
}

}  // namespace
}  // namespace pg::platform
