// Modal dialogs as real windows: edits, drop-down lists and buttons are
// system controls; pictures and labels are painted by the window itself.
// The dialog always runs its own modal loop; a scripted user reaches it from
// a timer of the same thread (see dialog_window_driver.cpp).
// The windows are Unicode windows: the module's code page 1251 texts are
// converted where they enter and leave them, so captions, buttons, tooltips
// and typing work the same whatever the system's code page is.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/dialog.h"
#include "platform/bitmap.h"
#include "platform/dialog/dialog_driver.h"
#include "platform/win32/bitmap_impl.h"
#include "platform/win32/dialog/dialog_window_driver.h"
#include "platform/win32/gdi_device_context.h"
#include "platform/win32/text/wide_text.h"

namespace pg::platform {

namespace {

constexpr int kFirstId = 100;
constexpr const wchar_t* kClassName = L"PirogramModalDialog";

HINSTANCE ThisModule() {
  HMODULE m = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &m);
  return m;
}

bool IsWindowControl(ControlKind k) {
  return k == ControlKind::kEdit || k == ControlKind::kList || k == ControlKind::kButton ||
         k == ControlKind::kPictureButton;
}

// The thread's other top-level windows take no input while an editor is open:
// the host's windows could otherwise run actions or open a second editor from
// behind it. They are enabled again before the editor goes, so that the
// system hands the activation back to the host.
class HostWindowsDisabled {
 public:
  explicit HostWindowsDisabled(HWND dialog) : dialog_(dialog) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &HostWindowsDisabled::Collect, reinterpret_cast<LPARAM>(this));
    for (HWND w : disabled_) ::EnableWindow(w, FALSE);
  }
  ~HostWindowsDisabled() {
    for (HWND w : disabled_)
      if (::IsWindow(w)) ::EnableWindow(w, TRUE);
  }
  HostWindowsDisabled(const HostWindowsDisabled&) = delete;
  HostWindowsDisabled& operator=(const HostWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND w, LPARAM self) {
    auto* me = reinterpret_cast<HostWindowsDisabled*>(self);
    const bool own = w == me->dialog_ || ::GetWindow(w, GW_OWNER) == me->dialog_;
    if (!own && ::IsWindowVisible(w) && ::IsWindowEnabled(w)) me->disabled_.push_back(w);
    return TRUE;
  }

  HWND dialog_;
  std::vector<HWND> disabled_;
};

class Win32Dialog final : public ScriptedDialog {
 public:
  explicit Win32Dialog(const DialogTemplate& t) : t_(t) {
    Register();
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    const DWORD exStyle = WS_EX_DLGMODALFRAME;
    RECT r{0, 0, t.clientWidth, t.clientHeight};
    ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (::GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    // Owned by the host's active window, so that it stays in front of it.
    wnd_ = ::CreateWindowExW(exStyle, kClassName, win32::Wide(t.caption).c_str(), style, x, y, w, h,
                             ::GetActiveWindow(), nullptr, ThisModule(), this);
    if (!wnd_) return;
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, wnd_,
                                 nullptr, ThisModule(), nullptr);
    for (std::size_t i = 0; i < t.controls.size(); ++i) CreateControl(i);
    SetIcon();
  }
  ~Win32Dialog() override {
    if (wnd_) ::DestroyWindow(wnd_);
    if (icon_) ::DestroyIcon(icon_);
    for (HFONT f : fonts_) ::DeleteObject(f);
  }
  Win32Dialog(const Win32Dialog&) = delete;
  Win32Dialog& operator=(const Win32Dialog&) = delete;

  bool Created() const { return wnd_ != nullptr; }

  std::string Text(std::string_view name) const override {
    const auto it = windows_.find(std::string(name));
    if (it == windows_.end()) return {};
    const HWND c = it->second;
    if (IsList(name)) {
      const auto sel = ::SendMessageW(c, CB_GETCURSEL, 0, 0);
      if (sel == CB_ERR) return {};
      const auto length = ::SendMessageW(c, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0);
      if (length == CB_ERR) return {};
      std::wstring s(static_cast<std::size_t>(length) + 1, L'\0');
      ::SendMessageW(c, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(s.data()));
      return win32::Narrow(s.c_str());
    }
    std::wstring s(static_cast<std::size_t>(::GetWindowTextLengthW(c)) + 1, L'\0');
    const int n = ::GetWindowTextW(c, s.data(), static_cast<int>(s.size()));
    s.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return win32::Narrow(s);
  }
  void SetText(std::string_view name, std::string_view text) override {
    const auto it = windows_.find(std::string(name));
    if (it != windows_.end()) ::SetWindowTextW(it->second, win32::Wide(text).c_str());
  }
  // Key presses as the keyboard delivers them: the edit gets the focus with
  // its text selected, then one WM_CHAR per UTF-16 code unit through the
  // thread's queue.
  int Keys(std::string_view name, std::string_view utf8) override {
    const auto it = windows_.find(std::string(name));
    if (it == windows_.end()) return 0;
    const HWND edit = it->second;
    ::SetFocus(edit);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    std::u16string units;
    for (std::size_t i = 0; i < utf8.size();) {
      const std::uint32_t cp = DecodeUtf8(utf8.data(), utf8.size(), i);
      if (cp >= 0x20 && cp != 0xFFFFFFFFu) AppendUtf16(units, cp);
    }
    const int before = refusedKeys_;
    for (const char16_t unit : units) {
      ::PostMessageW(edit, WM_CHAR, unit, 1);
      MSG msg;
      while (::PeekMessageW(&msg, edit, WM_CHAR, WM_CHAR, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
    return refusedKeys_ - before;
  }
  bool Select(std::string_view name, std::string_view word) override {
    const auto it = windows_.find(std::string(name));
    if (it == windows_.end()) return false;
    const std::wstring w = win32::Wide(word);
    const auto index = ::SendMessageW(it->second, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(w.c_str()));
    if (index == CB_ERR) return false;
    ::SendMessageW(it->second, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
  }

  int Press(const DialogControl& button) override {
    const auto it = windows_.find(button.name);
    if (it != windows_.end()) ::SendMessageW(it->second, BM_CLICK, 0, 0);
    return result_;
  }
  int Close() override {
    ::SendMessageW(wnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return result_;
  }
  // The pixels the window shows on the screen: its frame and caption, the
  // client area and its controls.
  bool Snapshot(const std::string& pngPath) override {
    ::RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT outer{};
    if (!::GetWindowRect(wnd_, &outer)) return false;
    Bitmap picture(outer.right - outer.left, outer.bottom - outer.top);
    if (picture.Empty()) return false;
    HDC screen = ::GetWindowDC(wnd_);
    ::BitBlt(picture.impl().dc, 0, 0, picture.Width(), picture.Height(), screen, 0, 0, SRCCOPY);
    ::ReleaseDC(wnd_, screen);
    ::GdiFlush();
    return picture.SavePng(pngPath);
  }
  // The tooltip shown where a resting pointer shows it, just below the
  // control, photographed from the screen and hidden again. Tracking shows it
  // at once, without the pointer or the show delay.
  bool TipSnapshot(const DialogControl& c, const std::string& pngPath) override {
    const auto it = windows_.find(c.name);
    if (!tooltip_ || it == windows_.end()) return false;
    wchar_t text[256] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = wnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(it->second);
    ti.lpszText = text;
    if (!::SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti))) return false;
    const UINT flags = ti.uFlags;
    ti.uFlags |= TTF_TRACK | TTF_ABSOLUTE;
    ::SendMessageW(tooltip_, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti));
    RECT below{};
    ::GetWindowRect(it->second, &below);
    ::SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(below.left, below.bottom + 2));
    ::SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
    ::RedrawWindow(tooltip_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    bool saved = false;
    RECT outer{};
    if (::IsWindowVisible(tooltip_) && ::GetWindowRect(tooltip_, &outer)) {
      Bitmap picture(outer.right - outer.left, outer.bottom - outer.top);
      if (!picture.Empty()) {
        HDC screen = ::GetWindowDC(tooltip_);
        ::BitBlt(picture.impl().dc, 0, 0, picture.Width(), picture.Height(), screen, 0, 0, SRCCOPY);
        ::ReleaseDC(tooltip_, screen);
        ::GdiFlush();
        saved = picture.SavePng(pngPath);
      }
    }
    ::SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
    ti.uFlags = flags;
    ::SendMessageW(tooltip_, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti));
    return saved;
  }

  int Run() {
    const HostWindowsDisabled modal(wnd_);
    ::ShowWindow(wnd_, SW_SHOW);
    FocusFirst();
    MSG msg;
    while (result_ == kMrNone) {
      const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
        return kMrCancel;
      }
      if (!::IsDialogMessageW(wnd_, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    }
    return result_;
  }

  DialogOutcome Outcome(int result) const { return CollectOutcome(t_, *this, result); }

 private:
  static void Register() {
    static const bool done = [] {
      INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
      ::InitCommonControlsEx(&icc);
      WNDCLASSW wc{};
      wc.lpfnWndProc = &Win32Dialog::Proc;
      wc.hInstance = ThisModule();
      wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
      wc.hIcon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512));      // IDI_APPLICATION
      wc.lpszClassName = kClassName;
      return ::RegisterClassW(&wc) != 0;
    }();
    (void)done;
  }

  bool IsList(std::string_view name) const {
    for (const auto& c : t_.controls)
      if (c.name == name) return c.kind == ControlKind::kList;
    return false;
  }

  void CreateControl(std::size_t i) {
    const DialogControl& c = t_.controls[i];
    if (!c.visible || !IsWindowControl(c.kind)) return;
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE;
    int height = c.bounds.Height();
    switch (c.kind) {
      case ControlKind::kEdit: cls = L"EDIT"; style |= WS_TABSTOP | ES_AUTOHSCROLL; break;
      case ControlKind::kList: cls = L"COMBOBOX"; style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; height += 200; break;
      case ControlKind::kButton: style |= WS_TABSTOP | (c.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON); break;
      default: style |= BS_OWNERDRAW; break;
    }
    const std::wstring text = win32::Wide(c.kind == ControlKind::kList ? std::string_view() : c.text);
    HWND w = ::CreateWindowExW(0, cls, text.c_str(), style, c.bounds.left, c.bounds.top, c.bounds.Width(), height, wnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), ThisModule(), nullptr);
    if (!w) return;
    if (HFONT f = win32::MakeFont(c.font)) {
      fonts_.push_back(f);
      ::SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
    }
    for (const auto& item : c.items)
      ::SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Wide(item).c_str()));
    if (c.kind == ControlKind::kList) ::SendMessageW(w, CB_SETITEMHEIGHT, 0, 13);
    if (c.kind == ControlKind::kEdit) {
      // A row takes text of any length, typed as well as given: an edit control
      // stops typing at 32 767 characters until told otherwise.
      ::SendMessageW(w, EM_SETLIMITTEXT, 0, 0);
      ::SetWindowSubclass(w, &Win32Dialog::EditProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    if (tooltip_ && !c.tooltip.empty()) {
      std::wstring tip = win32::Wide(c.tooltip);
      TTTOOLINFOW ti{};
      ti.cbSize = sizeof(ti);
      ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      ti.hwnd = wnd_;
      ti.uId = reinterpret_cast<UINT_PTR>(w);
      ti.lpszText = tip.data();
      ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    windows_[c.name] = w;
  }

  // The template's picture as the frame's icon (the system scales it); the
  // class icon stays when there is none.
  void SetIcon() {
    if (!t_.icon || t_.icon->Empty()) return;
    const int w = t_.icon->Width(), h = t_.icon->Height();
    // A 24-bit copy: the picture's fourth byte is no alpha channel, and an
    // icon would read it as one.
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP colour = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    const std::vector<std::uint8_t> opaque(static_cast<std::size_t>((w + 15) / 16 * 2 * h), 0);
    HBITMAP mask = ::CreateBitmap(w, h, 1, 1, opaque.data());
    if (colour && mask) {
      HDC copy = ::CreateCompatibleDC(nullptr);
      HGDIOBJ old = ::SelectObject(copy, colour);
      ::BitBlt(copy, 0, 0, w, h, t_.icon->impl().dc, 0, 0, SRCCOPY);
      ::SelectObject(copy, old);
      ::DeleteDC(copy);
      ICONINFO info{};
      info.fIcon = TRUE;
      info.hbmMask = mask;
      info.hbmColor = colour;
      icon_ = ::CreateIconIndirect(&info);
    }
    if (colour) ::DeleteObject(colour);
    if (mask) ::DeleteObject(mask);
    if (!icon_) return;
    ::SendMessageW(wnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageW(wnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  }

  void FocusFirst() {
    for (const auto& c : t_.controls)
      if (c.visible && (c.kind == ControlKind::kEdit || c.kind == ControlKind::kList)) {
        ::SetFocus(windows_[c.name]);
        return;
      }
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(wnd_, &ps);
    {
      win32::GdiDeviceContext dc(hdc);
      dc.SetBrush({BrushStyle::bsSolid, t_.background});
      dc.FillRect({0, 0, t_.clientWidth, t_.clientHeight});
      for (const auto& c : t_.controls)
        if (c.visible && !IsWindowControl(c.kind)) DrawDialogControl(dc, c, *this);
    }
    ::EndPaint(wnd_, &ps);
  }

  void DrawButton(const DRAWITEMSTRUCT& d) {
    const std::size_t i = d.CtlID - kFirstId;
    if (i >= t_.controls.size()) return;
    win32::GdiDeviceContext dc(d.hDC);
    dc.SetBrush({BrushStyle::bsSolid, t_.background});
    dc.FillRect({d.rcItem.left, d.rcItem.top, d.rcItem.right, d.rcItem.bottom});
    DialogControl shown = t_.controls[i];
    shown.bounds = {d.rcItem.left, d.rcItem.top, d.rcItem.right, d.rcItem.bottom};
    DrawDialogControl(dc, shown, *this);
  }

  void PressDefault() {
    for (const auto& c : t_.controls)
      if (c.visible && c.isDefault && c.modalResult != kMrNone) result_ = c.modalResult;
  }

  void Command(WPARAM wp) {
    const std::size_t i = LOWORD(wp) - kFirstId;
    if (HIWORD(wp) != BN_CLICKED || i >= t_.controls.size()) return;
    const DialogControl& c = t_.controls[i];
    if (c.modalResult != kMrNone) {
      result_ = c.modalResult;
      return;
    }
    try {
      if (t_.onClick) t_.onClick(*this, c.name);
    } catch (...) {
    }
  }

  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
      auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
      ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Dialog*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self && msg == ScriptedDialogMessage() && lp) {
      auto* link = reinterpret_cast<OpenDialogLink*>(lp);
      link->dialog = self;
      link->layout = &self->t_;
      return 1;
    }
    if (self) {
      switch (msg) {
        case WM_PAINT: self->Paint(); return 0;
        case WM_ERASEBKGND: return 1;
        case WM_DRAWITEM: self->DrawButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lp)); return TRUE;
        case WM_COMMAND:
          if (LOWORD(wp) == IDCANCEL) return 0;  // no button answers Escape
          if (LOWORD(wp) == IDOK && HIWORD(wp) == BN_CLICKED) {  // Enter: the default button
            self->PressDefault();
            return 0;
          }
          self->Command(wp);
          return 0;
        case WM_CTLCOLOREDIT: return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
        case WM_CLOSE: self->result_ = kMrCancel; return 0;
        default: break;
      }
    }
    return ::DefWindowProcW(wnd, msg, wp, lp);
  }

  // The edits take only what code page 1251 holds: any other typed character
  // is refused with the system's beep (a pair of surrogates is one character
  // and one beep), and a paste keeps the characters it can.
  static LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Win32Dialog*>(data);
    switch (msg) {
      case WM_CHAR: {
        const auto unit = static_cast<wchar_t>(wp);
        const bool lowAfterRefusedHigh = self->refusedHigh_ && unit >= 0xDC00 && unit <= 0xDFFF;
        self->refusedHigh_ = unit >= 0xD800 && unit <= 0xDBFF;
        if (win32::Cp1251Holds(unit)) break;
        if (!lowAfterRefusedHigh) {
          ++self->refusedKeys_;
          ::MessageBeep(MB_OK);
        }
        return 0;
      }
      case WM_PASTE: {
        // A one-line edit takes a pasted text up to its first line break.
        std::wstring pasted = ClipboardText(edit);
        pasted = pasted.substr(0, pasted.find_first_of(L"\r\n"));
        const std::wstring kept = win32::Wide(win32::Narrow(pasted));
        if (kept.size() != pasted.size()) ::MessageBeep(MB_OK);
        ::SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
        return 0;
      }
      case WM_NCDESTROY: ::RemoveWindowSubclass(edit, &Win32Dialog::EditProc, 0); break;
      default: break;
    }
    return ::DefSubclassProc(edit, msg, wp, lp);
  }

  static std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!::OpenClipboard(owner)) return text;
    if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* p = static_cast<const wchar_t*>(::GlobalLock(h))) {
        text = p;
        ::GlobalUnlock(h);
      }
    }
    ::CloseClipboard();
    return text;
  }

  const DialogTemplate& t_;
  HWND wnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HICON icon_ = nullptr;
  std::map<std::string, HWND> windows_;
  std::vector<HFONT> fonts_;
  int result_ = kMrNone;
  int refusedKeys_ = 0;
  bool refusedHigh_ = false;
};

}  // namespace

DialogOutcome RunModalDialog(const DialogTemplate& dialog) {
  Win32Dialog open(dialog);
  if (!open.Created()) return DialogOutcome{};
  return open.Outcome(open.Run());
}

}  // namespace pg::platform
