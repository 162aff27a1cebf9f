#include "framework/forms/form.h"

namespace pg::forms {

TForm::TForm() : color_(clBtnFace), font_{"MS Sans Serif", clWindowText, 8, 0, 1} {}

TForm::~TForm() = default;

bool TForm::SetParentWindow(platform::WindowHandle parent) {
  if (window_) return platform::GetParentWindow(window_->Handle()) == parent;
  window_ = platform::Window::CreateChild(parent, *this);
  return window_ != nullptr;
}

platform::WindowHandle TForm::Handle() const { return window_ ? window_->Handle() : 0; }

int TForm::ClientWidth() const {
  return window_ ? platform::GetClientRect(window_->Handle()).Width() : clientWidth_;
}

int TForm::ClientHeight() const {
  return window_ ? platform::GetClientRect(window_->Handle()).Height() : clientHeight_;
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  if (window_)
    platform::SetWindowPos(window_->Handle(), platform::kHwndTop, 0, 0, width, height,
                           platform::kSwpNoMove | platform::kSwpNoZOrder | platform::kSwpNoActivate);
}

void TForm::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  Invalidate();
}

bool TForm::Visible() const { return window_ && platform::IsWindowVisible(window_->Handle()); }

void TForm::SetVisible(bool v) {
  if (window_) platform::ShowWindow(window_->Handle(), v);
}

void TForm::Invalidate() {
  if (window_) platform::InvalidateWindow(window_->Handle());
}

void TForm::Paint(platform::DeviceContext& dc, const platform::TRect& clientRect) {
  PaintColour(dc, clientRect);
}

bool TForm::HandleMessage(unsigned, std::uintptr_t, std::intptr_t, std::intptr_t&) {
  return false;
}

void TForm::PaintColour(platform::DeviceContext& dc, const platform::TRect& rect) {
  platform::Brush brush;
  brush.color = platform::ColorToRgb(color_);
  dc.SetBrush(brush);
  dc.FillRect(rect);
}

// Nothing thrown while painting or handling a message may reach the platform's
// message loop, which belongs to the host.
void TForm::WindowPaint(platform::DeviceContext& dc, const platform::TRect& clientRect) {
  try {
    Paint(dc, clientRect);
  } catch (...) {
  }
}

bool TForm::WindowMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                          std::intptr_t& result) {
  try {
    return HandleMessage(msg, wParam, lParam, result);
  } catch (...) {
    return true;
  }
}

void TForm::WindowDestroyed() {
  try {
    WindowLost();
  } catch (...) {
  }
}

}  // namespace pg::forms
