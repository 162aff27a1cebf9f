#pragma once
// The framework's form: a borderless window that can be made a child of a
// foreign window, paints itself in its colour unless a subclass paints more,
// and hands private messages to its subclass.
#include <memory>

#include "framework/colour.h"
#include "framework/font_spec.h"
#include "platform/window.h"

namespace pg::forms {

class TForm : private platform::WindowClient {
 public:
  TForm();
  virtual ~TForm();
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  // Creates the form's window as a hidden child of parent; false (and no window)
  // when parent is not a window. A form has at most one window.
  bool SetParentWindow(platform::WindowHandle parent);
  platform::WindowHandle Handle() const;
  bool HandleAllocated() const { return window_ != nullptr; }

  // The client size of the window, or the design size while there is none.
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int width, int height);
  int Left() const { return left_; }
  int Top() const { return top_; }
  void SetDesignPosition(int left, int top) { left_ = left, top_ = top; }

  TColor Color() const { return color_; }
  void SetColor(TColor c);
  const TFontSpec& Font() const { return font_; }
  void SetFont(const TFontSpec& f) { font_ = f; }
  int PixelsPerInch() const { return 96; }

  bool Visible() const;
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  // Asks for a paint of the whole client area.
  void Invalidate();

 protected:
  // Paints the client area; the form fills it with its colour.
  virtual void Paint(platform::DeviceContext& dc, const platform::TRect& clientRect);
  // A message from kWmUser up; true when handled (result is then answered).
  virtual bool HandleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                             std::intptr_t& result);
  // Fills rect with the form's colour.
  void PaintColour(platform::DeviceContext& dc, const platform::TRect& rect);
  // The host destroyed the window the form lived in, and the form's window with it.
  virtual void WindowLost() {}

 private:
  void WindowPaint(platform::DeviceContext& dc, const platform::TRect& clientRect) final;
  bool WindowMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result) final;
  void WindowDestroyed() final;

  std::unique_ptr<platform::Window> window_;
  TColor color_;
  TFontSpec font_;
  int left_ = 0, top_ = 0;
  int clientWidth_ = 0, clientHeight_ = 0;
};

}  // namespace pg::forms
