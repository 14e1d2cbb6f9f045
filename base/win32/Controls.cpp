#include "base/win32/Controls.h"

#include "base/Errors.h"
#include "base/win32/Window.h"

namespace fortuva::win32 {

namespace {

// A control that cannot take its text would go on showing the old one as if
// it were the new.
void SetTextOf(HWND hwnd, const WideString& text) {
    if (!SetWindowTextW(hwnd, text.c_str())) throw Exception(kCannotSetText);
}

}  // namespace

std::string Win32Edit::Text() const { return WindowText(hwnd_); }

void Win32Edit::SetText(const std::string& text) {
    SetTextOf(hwnd_, Widen(text));
    shown_.Tell();
}

bool Win32Edit::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void Win32Edit::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    shown_.Tell();
}

void Win32Edit::SetColor(TColor color) {
    color_ = color;
    InvalidateRect(hwnd_, nullptr, TRUE);
    shown_.Tell();
}

void Win32Edit::SetFocus() { ::SetFocus(hwnd_); }

std::string Win32Label::Caption() const { return WindowText(hwnd_); }

void Win32Label::SetCaption(const std::string& caption) {
    SetTextOf(hwnd_, Widen(caption));
    if (autoSize_) FitToText(hwnd_);
    InvalidateRect(hwnd_, nullptr, TRUE);
    shown_.Tell();
}

void Win32Label::Repaint() { UpdateWindow(hwnd_); }

std::string Win32GroupBox::Caption() const { return WindowText(hwnd_); }

bool Win32CheckBox::Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool Win32Panel::Visible() const { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Win32Panel::SetVisible(bool visible) {
    if (visible) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // A control hidden with the panel gives up the focus to the window, so
    // that no hidden control takes keys; a focus outside the panel stays.
    HWND focus = GetFocus();
    bool focusInside = !visible && focus && (focus == hwnd_ || IsChild(hwnd_, focus));
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    if (focusInside) ::SetFocus(GetParent(hwnd_));
    shown_.Tell();
}

void Win32Panel::FillParent() {
    RECT client;
    GetClientRect(GetParent(hwnd_), &client);
    SetWindowPos(hwnd_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Image::LoadIconAtSize() {
    OwnedIcon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), mainIcon_.c_str(), IMAGE_ICON, size_, size_, LR_DEFAULTCOLOR)));
    SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon.Get()), 0);
    // The one shown before is let go once the image no longer shows it.
    icon_ = std::move(icon);
}

void Win32Image::ShowMainIcon() {
    if (icon_) return;
    LoadIconAtSize();
    shown_.Tell();
}

void Win32Image::SetIconSize(int pixels) {
    size_ = pixels;
    if (icon_) LoadIconAtSize();
}

void Win32Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    if (enabled) {
        if (SetTimer(owner_, id_, interval_, nullptr) == 0) throw Exception(kCannotStartTimer);
    } else {
        KillTimer(owner_, id_);
    }
    enabled_ = enabled;
}

void Win32Window::SetCaption(const std::string& head, const NativePath& label, const std::string& tail) {
    SetTextOf(hwnd_, Widen(head) + PathW(label) + Widen(tail));
    shown_.Tell();
}

}  // namespace fortuva::win32
