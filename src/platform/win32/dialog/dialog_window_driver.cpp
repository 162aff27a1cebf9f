// The scripted user at work on real windows. A thread timer looks for the
// dialogs open on its thread: the module's own dialogs are run step by step
// through their controls; the system's colour and font dialogs get the next
// queued answer typed into their controls and confirmed (or cancelled), the
// way a person would fill them in.
#include <windows.h>
#include <dlgs.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/win32/dialog/dialog_window_driver.h"
#include "platform/win32/text/wide_text.h"

namespace pg::platform {
namespace {

constexpr UINT kPeriodMs = 10;
// The system colour dialog's red, green and blue edits.
constexpr int kColourRed = 706, kColourGreen = 707, kColourBlue = 708;

UINT_PTR g_timer = 0;
ScriptedUser* g_driven = nullptr;
bool g_runningScript = false;

BOOL CALLBACK CollectVisible(HWND w, LPARAM out) {
  if (::IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
  return TRUE;
}

std::vector<HWND> VisibleWindowsOfThisThread() {
  std::vector<HWND> found;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectVisible, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool IsSystemDialog(HWND w) {
  char name[16] = {};
  ::GetClassNameA(w, name, sizeof(name));
  return std::string(name) == "#32770";
}

void Click(HWND dialog, int id) {
  if (HWND button = ::GetDlgItem(dialog, id)) {
    ::SendMessageA(button, BM_CLICK, 0, 0);
  } else {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  }
}

void AnswerColourDialog(HWND dialog, ScriptedUser& user) {
  const auto channel = [dialog](int id) { return static_cast<int>(::GetDlgItemInt(dialog, id, nullptr, FALSE)); };
  user.colourOpenedOn = Rgb(channel(kColourRed), channel(kColourGreen), channel(kColourBlue));
  const auto answer = TakeAnswer(user.colourAnswers);
  if (!answer) {
    Click(dialog, IDCANCEL);
    return;
  }
  const Color c = *answer;
  ::SetDlgItemInt(dialog, kColourRed, c & 0xFF, FALSE);
  ::SetDlgItemInt(dialog, kColourGreen, (c >> 8) & 0xFF, FALSE);
  ::SetDlgItemInt(dialog, kColourBlue, (c >> 16) & 0xFF, FALSE);
  Click(dialog, IDOK);
}

void Notify(HWND dialog, int id, WORD code) {
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::string ComboText(HWND dialog, int id) {
  wchar_t text[128] = {};
  ::GetDlgItemTextW(dialog, id, text, 128);
  return win32::Narrow(text);
}

LRESULT SelectedData(HWND dialog, int id) {
  const LRESULT sel = ::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
  return sel == CB_ERR ? CB_ERR : ::SendDlgItemMessageA(dialog, id, CB_GETITEMDATA, sel, 0);
}

// Selects the item carrying this data, as a person picking it would; the
// dialog hears the change.
bool SelectData(HWND dialog, int id, LRESULT data) {
  const LRESULT n = ::SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i)
    if (::SendDlgItemMessageA(dialog, id, CB_GETITEMDATA, i, 0) == data) {
      ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, i, 0);
      Notify(dialog, id, CBN_SELCHANGE);
      return true;
    }
  return false;
}

void SetCheck(HWND dialog, int id, bool on) {
  if ((::IsDlgButtonChecked(dialog, id) == BST_CHECKED) != on) Click(dialog, id);
}

void AnswerFontDialog(HWND dialog, ScriptedUser& user) {
  FontChoice opened;
  opened.font.face = ComboText(dialog, cmb1);
  opened.points = std::atoi(ComboText(dialog, cmb3).c_str());
  opened.font.height = -::MulDiv(opened.points, 96, 72);
  const LRESULT style = SelectedData(dialog, cmb2);
  if (style != CB_ERR) {
    opened.font.weight = LOWORD(style);
    opened.font.italic = HIWORD(style) != 0;
  }
  opened.font.underline = ::IsDlgButtonChecked(dialog, chx2) == BST_CHECKED;
  opened.font.strikeOut = ::IsDlgButtonChecked(dialog, chx1) == BST_CHECKED;
  if (const LRESULT c = SelectedData(dialog, cmb4); c != CB_ERR) opened.color = static_cast<Color>(c);
  if (const LRESULT cs = SelectedData(dialog, cmb5); cs != CB_ERR) opened.font.charset = static_cast<int>(cs);
  user.fontOpenedOn = opened;

  const auto answer = TakeAnswer(user.fontAnswers);
  if (!answer) {
    Click(dialog, IDCANCEL);
    return;
  }
  const FontChoice& want = *answer;
  const std::wstring wantFace = win32::Wide(want.font.face);
  const LRESULT face = ::SendDlgItemMessageW(dialog, cmb1, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(wantFace.c_str()));
  if (face != CB_ERR) {
    ::SendDlgItemMessageA(dialog, cmb1, CB_SETCURSEL, face, 0);
    Notify(dialog, cmb1, CBN_SELCHANGE);
  }
  SelectData(dialog, cmb2, MAKELONG(want.font.weight > 400 ? FW_BOLD : FW_NORMAL, want.font.italic ? 1 : 0));
  char size[16];
  std::snprintf(size, sizeof(size), "%d", want.points);
  ::SetDlgItemTextA(dialog, cmb3, size);
  Notify(dialog, cmb3, CBN_EDITCHANGE);
  SetCheck(dialog, chx1, want.font.strikeOut);
  SetCheck(dialog, chx2, want.font.underline);
  // The colour list holds sixteen colours; a scripted answer outside them is
  // added to the list, which no person could do but the dialog accepts. Its
  // items are named colours: the new one gets an empty name (the colour as a
  // name would be read as a text's address).
  const LRESULT colour = static_cast<LRESULT>(want.color & 0xFFFFFF);
  if (!SelectData(dialog, cmb4, colour)) {
    const bool named = (::GetWindowLongA(::GetDlgItem(dialog, cmb4), GWL_STYLE) & CBS_HASSTRINGS) != 0;
    const LRESULT added =
        ::SendDlgItemMessageA(dialog, cmb4, CB_ADDSTRING, 0, named ? reinterpret_cast<LPARAM>("") : colour);
    if (added >= 0) ::SendDlgItemMessageA(dialog, cmb4, CB_SETITEMDATA, added, colour);
    SelectData(dialog, cmb4, colour);
  }
  SelectData(dialog, cmb5, want.font.charset & 0xFF);
  Click(dialog, IDOK);
}

bool RunModuleDialog(HWND w, ScriptedUser& user) {
  OpenDialogLink link;
  if (!::SendMessageA(w, ScriptedDialogMessage(), 0, reinterpret_cast<LPARAM>(&link)) || !link.dialog) return false;
  // A picker opened by a step runs its own loop inside that step; this timer
  // keeps ticking there and must only answer the picker.
  if (g_runningScript) return true;
  g_runningScript = true;
  RunScript(user, *link.layout, *link.dialog);
  g_runningScript = false;
  return true;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  ScriptedUser* user = g_driven;
  if (!user) return;
  try {
    for (HWND w : VisibleWindowsOfThisThread()) {
      if (!::IsWindowEnabled(w)) continue;
      if (IsSystemDialog(w)) {
        if (::GetDlgItem(w, kColourRed)) {
          AnswerColourDialog(w, *user);
          return;
        }
        if (::GetDlgItem(w, cmb1) && ::GetDlgItem(w, cmb4)) {
          AnswerFontDialog(w, *user);
          return;
        }
        continue;
      }
      if (RunModuleDialog(w, *user)) return;
    }
  } catch (...) {
    // Nothing may leave a timer callback; the next tick goes on with the steps left.
    g_runningScript = false;
  }
}

}  // namespace

UINT ScriptedDialogMessage() {
  static const UINT message = ::RegisterWindowMessageA("PirogramScriptedDialog");
  return message;
}

void DriveDialogsOfThisThread(ScriptedUser* user) {
  g_driven = user;
  if (user && !g_timer) g_timer = ::SetTimer(nullptr, 0, kPeriodMs, &Tick);
  if (!user && g_timer) {
    ::KillTimer(nullptr, g_timer);
    g_timer = 0;
  }
}

}  // namespace pg::platform
