// A person at a real editor window: keys and clicks posted to its controls go
// through the dialog's own modal loop, with no scripted user set.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/dialog.h"
#include "platform/win32/text/wide_text.h"

namespace {

using pg::platform::ControlKind;
using pg::platform::DialogControl;
using pg::platform::DialogTemplate;

DialogControl Make(ControlKind kind, const char* name, pg::platform::TRect bounds, const char* text = "") {
  DialogControl c;
  c.kind = kind;
  c.name = name;
  c.bounds = bounds;
  c.text = text;
  c.font.face = "Arial";
  c.font.height = -11;
  return c;
}

DialogTemplate TwoRows(std::vector<std::string>* clicks) {
  DialogTemplate t;
  t.caption = "Test \xD1\xE2\xEE\xE9\xF1\xF2\xE2\xE0";  // "Свойства" in code page 1251
  t.clientWidth = 300;
  t.clientHeight = 120;
  t.icon = std::make_shared<pg::platform::Bitmap>(25, 25);
  t.controls.push_back(Make(ControlKind::kLabel, "caption1", {8, 8, 100, 24}, "One"));
  t.controls.push_back(Make(ControlKind::kEdit, "edit1", {100, 8, 260, 29}, "start"));
  auto list = Make(ControlKind::kList, "list2", {100, 36, 260, 57});
  list.items = {"Left", "Right"};
  t.controls.push_back(list);
  auto gear = Make(ControlKind::kPictureButton, "chooser1", {264, 8, 285, 29});
  gear.tooltip = "Pick";
  t.controls.push_back(gear);
  auto ok = Make(ControlKind::kButton, "ok", {130, 88, 205, 113}, "OK");
  ok.modalResult = pg::platform::kMrOk;
  ok.isDefault = true;
  t.controls.push_back(ok);
  auto cancel = Make(ControlKind::kButton, "cancel", {215, 88, 290, 113}, "Cancel");
  cancel.modalResult = pg::platform::kMrCancel;
  t.controls.push_back(cancel);
  t.onClick = [clicks](pg::platform::DialogContext&, const std::string& name) { clicks->push_back(name); };
  return t;
}

// How long a person waits for what the dialog should do by itself (turn
// active, take the focus, answer a click) before looking anyway: generous, as a
// loaded machine may take seconds, yet bounded so that a dialog that never does
// it fails instead of hanging.
constexpr auto kPatience = std::chrono::seconds(20);

// True once `done` holds or the patience from `since` has run out.
bool WaitedFor(bool done, std::chrono::steady_clock::time_point since) {
  return done || std::chrono::steady_clock::now() - since > kPatience;
}

// Runs `act` on each tick of a thread timer while the dialog's loop runs.
struct Person {
  static inline std::function<void(HWND)> act;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = ::GetActiveWindow();
    if (dialog && act) act(dialog);
  }
  UINT_PTR timer;
  explicit Person(std::function<void(HWND)> a) {
    act = std::move(a);
    timer = ::SetTimer(nullptr, 0, 20, &Tick);
  }
  ~Person() {
    ::KillTimer(nullptr, timer);
    act = nullptr;
  }
};

HWND Child(HWND dialog, const char* cls, int nth = 0) {
  HWND c = nullptr;
  for (int i = 0; i <= nth; ++i) c = ::FindWindowExA(dialog, c, cls, nullptr);
  return c;
}

void Key(HWND target, WPARAM key) {
  ::PostMessageA(target, WM_KEYDOWN, key, 1);
  ::PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

TEST(ModalDialogPerson, ShownCentredWithFocusInTheFirstEditAndEnterConfirms) {
  std::vector<std::string> clicks;
  const DialogTemplate t = TwoRows(&clicks);
  int step = 0;
  std::string caption;
  RECT frame{};
  bool editFocused = false, hasIcon = false;
  unsigned editLimit = 0;
  LRESULT tools = 0;
  const auto shown = std::chrono::steady_clock::now();
  Person person([&](HWND dialog) {
    HWND edit = Child(dialog, "Edit");
    // Wine hands the focus over some time after the dialog turns active (long
    // after on a busy machine): the person looks once it is in the first edit,
    // or when the patience runs out, and the check below says where it is.
    if (step == 0 && !WaitedFor(::GetFocus() == edit, shown)) return;
    if (step == 0) {
      // Read as the window holds it (UTF-16): an ANSI read goes through the
      // system's code page, which need not hold Cyrillic.
      wchar_t text[64] = {};
      ::GetWindowTextW(dialog, text, 64);
      caption = pg::platform::win32::Narrow(text);
      ::GetWindowRect(dialog, &frame);
      editFocused = ::GetFocus() == edit;
      editLimit = static_cast<unsigned>(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
      hasIcon = ::SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0) != 0;
      if (HWND tip = ::FindWindowA(TOOLTIPS_CLASSA, nullptr)) tools = ::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0);
      ::SendMessageA(edit, EM_SETSEL, 0, -1);
      for (char ch : std::string("typed")) ::PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(ch), 1);
      Key(Child(dialog, "ComboBox"), VK_DOWN);  // the closed list steps to its first word
      ++step;
    } else if (step == 1) {
      Key(edit, VK_ESCAPE);  // no button answers Escape: the dialog stays
      ++step;
    } else if (step == 2) {
      Key(edit, VK_RETURN);
      ++step;
    }
  });
  const auto outcome = pg::platform::RunModalDialog(t);
  EXPECT_EQ(step, 3);
  EXPECT_EQ(outcome.modalResult, pg::platform::kMrOk);
  EXPECT_EQ(outcome.Value("edit1"), "typed");
  EXPECT_EQ(outcome.Value("list2"), "Left");
  EXPECT_EQ(caption, t.caption);
  const int cx = (frame.left + frame.right) / 2, cy = (frame.top + frame.bottom) / 2;
  EXPECT_NEAR(cx, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR(cy, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_TRUE(editFocused);
  EXPECT_GT(editLimit, 1u << 30);  // no typing limit short of the system's own
  EXPECT_TRUE(hasIcon);
  EXPECT_GE(tools, 1);
  EXPECT_TRUE(clicks.empty());
}

TEST(ModalDialogPerson, AMouseClickReachesTheHandlerAndTheCloseBoxCancels) {
  std::vector<std::string> clicks;
  const DialogTemplate t = TwoRows(&clicks);
  int step = 0;
  std::chrono::steady_clock::time_point clicked;
  Person person([&](HWND dialog) {
    if (step == 0) {
      clicked = std::chrono::steady_clock::now();
      // The picture button is the first button; a click is a press and a release inside it.
      HWND gear = Child(dialog, "Button");
      ::PostMessageA(gear, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      ::PostMessageA(gear, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
      ++step;
    } else if (step == 1 && WaitedFor(!clicks.empty(), clicked)) {
      ::SetWindowTextA(Child(dialog, "Edit"), "changed");
      ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      ++step;
    }
  });
  const auto outcome = pg::platform::RunModalDialog(t);
  EXPECT_EQ(step, 2);
  EXPECT_EQ(clicks, std::vector<std::string>{"chooser1"});
  EXPECT_EQ(outcome.modalResult, pg::platform::kMrCancel);
}

TEST(ModalDialogPerson, TheHostsWindowsTakeNoInputWhileTheEditorIsOpen) {
  // Two windows of the host: one it uses, one it had disabled itself.
  HWND page = ::CreateWindowExA(0, "STATIC", "page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
  HWND busy = ::CreateWindowExA(0, "STATIC", "busy", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_DISABLED, 20, 20, 200,
                                100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(page && busy);
  ::SetActiveWindow(page);
  std::vector<std::string> clicks;
  const DialogTemplate t = TwoRows(&clicks);
  bool looked = false, pageEnabled = true;
  HWND owner = nullptr;
  Person person([&](HWND dialog) {
    if (looked) return;
    looked = true;
    pageEnabled = ::IsWindowEnabled(page) != FALSE;
    owner = ::GetWindow(dialog, GW_OWNER);
    ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  const auto outcome = pg::platform::RunModalDialog(t);
  EXPECT_TRUE(looked);
  EXPECT_EQ(outcome.modalResult, pg::platform::kMrCancel);
  EXPECT_FALSE(pageEnabled);
  EXPECT_EQ(owner, page);
  // Afterwards each window is as the host left it.
  EXPECT_TRUE(::IsWindowEnabled(page));
  EXPECT_FALSE(::IsWindowEnabled(busy));
  ::DestroyWindow(busy);
  ::DestroyWindow(page);
}

}  // namespace
