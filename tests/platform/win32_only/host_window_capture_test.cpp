// Host windows and captures: classes per colour that go with their last window,
// pictures that do not need the screen, nesting clipped to each parent.
#include <gtest/gtest.h>

#include <string>

#include "platform/bitmap.h"
#include "platform/win32_only/win32_window_support.h"

namespace pg::platform {
namespace {

using namespace win32test;

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);

std::wstring ClassOf(WindowHandle h) {
  wchar_t name[128] = {};
  ::GetClassNameW(Hwnd(h), name, 128);
  return name;
}

bool ClassRegistered(const std::wstring& name) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  return ::GetClassInfoExW(::GetModuleHandleW(nullptr), name.c_str(), &wc) != 0;
}

TEST(Win32HostWindow, EachColourHasItsClassUntilItsLastWindowGoes) {
  std::wstring greenClass, blueClass;
  {
    HostWindow a(10, 10, Rgb(0, 128, 0)), b(10, 10, Rgb(0, 128, 0)), c(10, 10, kBlue);
    ASSERT_TRUE(a.handle && b.handle && c.handle);
    greenClass = ClassOf(a.handle);
    blueClass = ClassOf(c.handle);
    EXPECT_EQ(ClassOf(b.handle), greenClass);
    EXPECT_NE(blueClass, greenClass);
    EXPECT_EQ(CaptureWindow(a.handle)->Pixel(3, 3), 0x008000u);
    EXPECT_EQ(CaptureWindow(c.handle)->Pixel(3, 3), 0x0000FFu);
    DestroyHostWindow(a.handle);
    a.handle = 0;
    EXPECT_TRUE(ClassRegistered(greenClass));  // b still uses it
    CountingClient client(kRed);
    auto child = Window::CreateChild(b.handle, client);
    ASSERT_TRUE(child);
    DestroyHostWindow(child->Handle());  // not a host window: left alone
    EXPECT_TRUE(IsWindow(child->Handle()));
  }
  EXPECT_FALSE(ClassRegistered(greenClass));
  EXPECT_FALSE(ClassRegistered(blueClass));
}

// The host is hidden: the picture comes from the windows, not from the screen.
TEST(Win32Capture, HiddenHostsAreCapturedAndGrandchildrenClippedToTheirParent) {
  HostWindow host(100, 80);
  CountingClient red(kRed), blue(kBlue), hidden(Rgb(0, 255, 0));
  auto outer = Window::CreateChild(host.handle, red);
  ASSERT_TRUE(outer);
  auto inner = Window::CreateChild(outer->Handle(), blue);
  auto ghost = Window::CreateChild(outer->Handle(), hidden);
  ASSERT_TRUE(inner && ghost);
  SetWindowPos(outer->Handle(), kHwndTop, 10, 10, 40, 30, kSwpShowWindow);
  // Reaches beyond its parent's right and bottom edges.
  SetWindowPos(inner->Handle(), kHwndTop, 30, 20, 40, 30, kSwpShowWindow);
  SetWindowPos(ghost->Handle(), kHwndTop, 0, 0, 40, 30, kSwpNoActivate);
  ShowWindow(host.handle, false);
  auto picture = CaptureWindow(host.handle);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Pixel(9, 9), 0xFFFFFFu);
  EXPECT_EQ(picture->Pixel(10, 10), 0xFF0000u);
  EXPECT_EQ(picture->Pixel(40, 30), 0x0000FFu);
  EXPECT_EQ(picture->Pixel(49, 39), 0x0000FFu);
  EXPECT_EQ(picture->Pixel(50, 39), 0xFFFFFFu);  // outside the parent: the host's colour
  EXPECT_EQ(picture->Pixel(45, 40), 0xFFFFFFu);
  EXPECT_EQ(hidden.paints, 0);
}

}  // namespace
}  // namespace pg::platform
