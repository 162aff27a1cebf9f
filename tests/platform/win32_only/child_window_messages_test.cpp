// The module window's procedure as Windows itself drives it: real paint and
// erase messages, raw SendMessage, and clients that throw.
#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/win32/bitmap_impl.h"
#include "platform/win32_only/win32_window_support.h"

namespace pg::platform {
namespace {

using namespace win32test;

constexpr Color kRed = Rgb(255, 0, 0);

TEST(Win32ChildWindow, EraseIsAnsweredWithoutTouchingTheDcAndPaintUsesTheClient) {
  HostWindow host(40, 30);
  CountingClient client(kRed);
  auto child = Window::CreateChild(host.handle, client);
  ASSERT_TRUE(child);
  HWND h = Hwnd(child->Handle());
  SetWindowPos(child->Handle(), kHwndTop, 0, 0, 40, 30, kSwpShowWindow);

  Bitmap canvas(40, 30);
  HDC dc = canvas.impl().dc;
  EXPECT_EQ(::SendMessageW(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(canvas.Pixel(5, 5), 0xFFFFFFu);
  EXPECT_EQ(client.paints, 0);

  ::UpdateWindow(h);  // the real WM_PAINT, sent at once
  EXPECT_EQ(client.paints, 1);
  RECT update{};
  EXPECT_FALSE(::GetUpdateRect(h, &update, FALSE));

  ::SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  EXPECT_EQ(client.paints, 2);
  EXPECT_EQ(canvas.Pixel(39, 29), 0xFF0000u);
  // The caller's DC keeps its own state: its device context still draws.
  canvas.Dc().SetPixel(1, 1, Rgb(0, 0, 255));
  EXPECT_EQ(canvas.Pixel(1, 1), 0x0000FFu);
}

TEST(Win32ChildWindow, PrivateMessagesThroughSendMessageAndUnhandledOnesGetTheDefault) {
  HostWindow host(20, 20);
  CountingClient client(kRed);
  auto child = Window::CreateChild(host.handle, client);
  ASSERT_TRUE(child);
  HWND h = Hwnd(child->Handle());
  EXPECT_EQ(::SendMessageW(h, 0x04FA, 0, 4), 1274);
  EXPECT_EQ(::SendMessageW(h, WM_USER + 7, 1, 2), 0);
  EXPECT_EQ(::SendMessageW(h, WM_APP + 1, 1, 2), 0);
  EXPECT_EQ(client.messages, 3);
  // System messages below WM_USER are not the client's business.
  ::SendMessageW(h, WM_NULL, 0, 0);
  EXPECT_EQ(client.messages, 3);
  // A top-level window has no parent here, and its rectangle is on the screen.
  EXPECT_EQ(GetParentWindow(host.handle), 0);
  EXPECT_EQ(GetWindowRectInParent(host.handle), (TRect{0, 0, 20, 20}));
}

TEST(Win32ChildWindow, ClientExceptionsStayInsideTheWindowProcedure) {
  HostWindow host(30, 30);
  CountingClient client(kRed);
  client.throwOnPaint = true;
  client.throwOnMessage = true;
  auto child = Window::CreateChild(host.handle, client);
  ASSERT_TRUE(child);
  HWND h = Hwnd(child->Handle());
  SetWindowPos(child->Handle(), kHwndTop, 0, 0, 30, 30, kSwpShowWindow);
  DeliverPendingPaints();
  // The failed paint still ended: the window is valid and not painted again and again.
  EXPECT_EQ(client.paints, 1);
  EXPECT_FALSE(::GetUpdateRect(h, nullptr, FALSE));
  EXPECT_EQ(SendWindowMessage(child->Handle(), kWmUser + 0xFA, 0, 4), 0);
  EXPECT_TRUE(CaptureWindow(host.handle));
}

}  // namespace
}  // namespace pg::platform
