// Modal dialogs as real windows: edits, drop-down lists and buttons are
// system controls; pictures and labels are painted by the window itself.
// The dialog always runs its own modal loop; a scripted user reaches it from
// a timer of the same thread (see dialog_window_driver.cpp).
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "platform/dialog.h"
#include "platform/bitmap.h"
#include "platform/dialog/dialog_driver.h"
#include "platform/win32/bitmap_impl.h"
#include "platform/win32/dialog/dialog_window_driver.h"
#include "platform/win32/gdi_device_context.h"

namespace pg::platform {

namespace {

constexpr int kFirstId = 100;
constexpr const char* kClassName = "PirogramModalDialog";

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
    wnd_ = ::CreateWindowExA(exStyle, kClassName, t.caption.c_str(), style, x, y, w, h, nullptr, nullptr,
                             ThisModule(), this);
    if (!wnd_) return;
    tooltip_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, wnd_,
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
      const auto sel = ::SendMessageA(c, CB_GETCURSEL, 0, 0);
      if (sel == CB_ERR) return {};
      std::string s(static_cast<std::size_t>(::SendMessageA(c, CB_GETLBTEXTLEN, sel, 0)) + 1, '\0');
      ::SendMessageA(c, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(s.data()));
      s.resize(std::strlen(s.c_str()));
      return s;
    }
    std::string s(static_cast<std::size_t>(::GetWindowTextLengthA(c)) + 1, '\0');
    const int n = ::GetWindowTextA(c, s.data(), static_cast<int>(s.size()));
    s.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return s;
  }
  void SetText(std::string_view name, std::string_view text) override {
    const auto it = windows_.find(std::string(name));
    if (it != windows_.end()) ::SetWindowTextA(it->second, std::string(text).c_str());
  }
  bool Select(std::string_view name, std::string_view word) override {
    const auto it = windows_.find(std::string(name));
    if (it == windows_.end()) return false;
    const std::string w(word);
    const auto index = ::SendMessageA(it->second, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(w.c_str()));
    if (index == CB_ERR) return false;
    ::SendMessageA(it->second, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
  }

  int Press(const DialogControl& button) override {
    const auto it = windows_.find(button.name);
    if (it != windows_.end()) ::SendMessageA(it->second, BM_CLICK, 0, 0);
    return result_;
  }
  int Close() override {
    ::SendMessageA(wnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
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

  int Run() {
    ::ShowWindow(wnd_, SW_SHOW);
    FocusFirst();
    MSG msg;
    while (result_ == kMrNone) {
      const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
        return kMrCancel;
      }
      if (!::IsDialogMessageA(wnd_, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
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
      WNDCLASSA wc{};
      wc.lpfnWndProc = &Win32Dialog::Proc;
      wc.hInstance = ThisModule();
      wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
      wc.hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
      wc.lpszClassName = kClassName;
      return ::RegisterClassA(&wc) != 0;
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
    const char* cls = "BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE;
    int height = c.bounds.Height();
    switch (c.kind) {
      case ControlKind::kEdit: cls = "EDIT"; style |= WS_TABSTOP | ES_AUTOHSCROLL; break;
      case ControlKind::kList: cls = "COMBOBOX"; style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; height += 200; break;
      case ControlKind::kButton: style |= WS_TABSTOP | (c.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON); break;
      default: style |= BS_OWNERDRAW; break;
    }
    const std::string text = c.kind == ControlKind::kList ? std::string() : c.text;
    HWND w = ::CreateWindowExA(0, cls, text.c_str(), style, c.bounds.left, c.bounds.top, c.bounds.Width(), height, wnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), ThisModule(), nullptr);
    if (!w) return;
    if (HFONT f = win32::MakeFont(c.font)) {
      fonts_.push_back(f);
      ::SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
    }
    for (const auto& item : c.items) ::SendMessageA(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (c.kind == ControlKind::kList) ::SendMessageA(w, CB_SETITEMHEIGHT, 0, 13);
    if (tooltip_ && !c.tooltip.empty()) {
      TTTOOLINFOA ti{};
      ti.cbSize = sizeof(ti);
      ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      ti.hwnd = wnd_;
      ti.uId = reinterpret_cast<UINT_PTR>(w);
      ti.lpszText = const_cast<char*>(c.tooltip.c_str());
      ::SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
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
    ::SendMessageA(wnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageA(wnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
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
      auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
      ::SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Dialog*>(::GetWindowLongPtrA(wnd, GWLP_USERDATA));
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
    return ::DefWindowProcA(wnd, msg, wp, lp);
  }

  const DialogTemplate& t_;
  HWND wnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HICON icon_ = nullptr;
  std::map<std::string, HWND> windows_;
  std::vector<HFONT> fonts_;
  int result_ = kMrNone;
};

}  // namespace

DialogOutcome RunModalDialog(const DialogTemplate& dialog) {
  Win32Dialog open(dialog);
  if (!open.Created()) return DialogOutcome{};
  return open.Outcome(open.Run());
}

}  // namespace pg::platform
