// The editors' windows are Unicode windows: whatever the system's code page
// (the suite runs under 1251, 1252 and 932), the caption, the buttons and the
// tooltips read back as the module's 1251 texts, and keys a keyboard delivers
// as UTF-16 come back as 1251, with what 1251 cannot hold refused.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/text/codepage.h"
#include "platform/codepage_utf16.h"
#include "platform/dialog.h"

namespace {

using namespace pg::platform;

std::wstring Utf16(std::string_view cp1251) {
  const std::u16string u = CodePageToUtf16(cp1251, 1251);
  return std::wstring(u.begin(), u.end());
}

DialogTemplate Editor() {
  DialogTemplate t;
  t.caption = "pgMarksStyle Свойства"_cp;
  t.clientWidth = 402;
  t.clientHeight = 120;
  DialogControl edit;
  edit.kind = ControlKind::kEdit;
  edit.name = "edit1";
  edit.bounds = {21, 20, 346, 39};
  edit.font = {"Tahoma", -12, 400, false, false, false, 204};
  t.controls.push_back(edit);
  DialogControl chooser;
  chooser.kind = ControlKind::kPictureButton;
  chooser.name = "chooser1";
  chooser.bounds = {362, 16, 388, 40};
  chooser.tooltip = "Выбор прямоугольника"_cp;
  t.controls.push_back(chooser);
  DialogControl ok;
  ok.kind = ControlKind::kButton;
  ok.name = "ok";
  ok.text = "OK";
  ok.bounds = {239, 88, 309, 113};
  ok.modalResult = kMrOk;
  ok.isDefault = true;
  t.controls.push_back(ok);
  DialogControl cancel = ok;
  cancel.name = "cancel";
  cancel.text = "Отмена"_cp;
  cancel.bounds = {323, 88, 393, 113};
  cancel.modalResult = kMrCancel;
  cancel.isDefault = false;
  cancel.font = {"MS Sans Serif", -11, 400, false, false, false, 1};  // the default character set
  t.controls.push_back(cancel);
  return t;
}

BOOL CALLBACK Collect(HWND w, LPARAM out) {
  reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
  return TRUE;
}

HWND ThreadWindow(const wchar_t* cls) {
  std::vector<HWND> all;
  ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&all));
  for (HWND w : all) {
    wchar_t name[64] = {};
    ::GetClassNameW(w, name, 64);
    if (std::wstring(name) == cls) return w;
  }
  return nullptr;
}

std::wstring TextOf(HWND w) {
  wchar_t text[256] = {};
  ::GetWindowTextW(w, text, 256);
  return text;
}

// Runs `act` once the dialog is up, on a timer of the dialog's own loop.
struct Person {
  static inline std::function<bool(HWND)> act;  // true when done
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = ThreadWindow(L"PirogramModalDialog");
    if (dialog && ::IsWindowVisible(dialog) && act && act(dialog)) act = nullptr;
  }
  UINT_PTR timer;
  explicit Person(std::function<bool(HWND)> a) {
    act = std::move(a);
    timer = ::SetTimer(nullptr, 0, 20, &Tick);
  }
  ~Person() {
    ::KillTimer(nullptr, timer);
    act = nullptr;
  }
};

TEST(UnicodeDialog, CaptionButtonsAndTooltipsReadBackAsTheModulesTexts) {
  std::wstring caption, cancel, tip;
  Person person([&](HWND dialog) {
    caption = TextOf(dialog);
    cancel = TextOf(::FindWindowExW(dialog, ::FindWindowExW(dialog, nullptr, L"Button", L"OK"), L"Button", nullptr));
    if (HWND tips = ThreadWindow(TOOLTIPS_CLASSW)) {
      wchar_t text[256] = {};
      TTTOOLINFOW ti{};
      ti.cbSize = sizeof(ti);
      ti.lpszText = text;
      if (::SendMessageW(tips, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti))) tip = text;
    }
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  });
  EXPECT_EQ(RunModalDialog(Editor()).modalResult, kMrCancel);
  EXPECT_EQ(caption, L"pgMarksStyle \u0421\u0432\u043E\u0439\u0441\u0442\u0432\u0430");
  EXPECT_EQ(cancel, Utf16("Отмена"_cp));
  EXPECT_EQ(tip, Utf16("Выбор прямоугольника"_cp));
}

TEST(UnicodeDialog, KeysAndPastesKeepWhat1251HoldsAndRefuseTheRest) {
  bool typed = false;
  Person person([&](HWND dialog) {
    HWND edit = ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    if (!typed) {
      ::SetFocus(edit);
      // The keyboard's characters reach the focused edit through the dialog's queue.
      for (const wchar_t unit : std::wstring(L"\u0421\u0435\u0432\u0435\u0440 \u4E2D\xD83D\xDE00!"))
        ::PostMessageW(edit, WM_CHAR, unit, 1);
      typed = true;
      return false;
    }
    // A paste keeps its 1251 characters up to the line break.
    const std::wstring clip = L"\u00AB\u4E2D\u042E\u00BB\r\nnext";
    if (::OpenClipboard(dialog)) {
      ::EmptyClipboard();
      if (HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(wchar_t))) {
        std::wmemcpy(static_cast<wchar_t*>(::GlobalLock(h)), clip.c_str(), clip.size() + 1);
        ::GlobalUnlock(h);
        ::SetClipboardData(CF_UNICODETEXT, h);
      }
      ::CloseClipboard();
      ::SendMessageW(edit, WM_PASTE, 0, 0);
    }
    ::PostMessageW(::FindWindowExW(dialog, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
    return true;
  });
  const DialogOutcome outcome = RunModalDialog(Editor());
  EXPECT_EQ(outcome.modalResult, kMrOk);
  EXPECT_EQ(outcome.Value("edit1"), "Север !«Ю»"_cp);
}

// The code page runs prove they ran where they meant to: dev.sh sets the one
// it starts Wine in.
TEST(UnicodeDialog, RunsUnderTheSystemCodePageAskedFor) {
  const char* expected = std::getenv("PG_EXPECTED_ACP");
  if (!expected) GTEST_SKIP() << "no code page asked for";
  EXPECT_EQ(::GetACP(), static_cast<UINT>(std::atoi(expected)));
}

}  // namespace
