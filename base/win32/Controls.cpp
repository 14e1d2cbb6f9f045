#include "base/win32/Controls.h"

#include "base/Errors.h"
#include "base/win32/LinkLabel.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {

// A control that cannot take its text would go on showing the old one as if
// it were the new.
void SetTextOf(HWND hwnd, const WideString& text) {
    if (!SetWindowTextW(hwnd, text.c_str())) throw Exception(kCannotSetText);
}

}  // namespace

COLORREF ColorRef(TColor color) {
    switch (color) {
    case TColor::BtnFace: return GetSysColor(COLOR_BTNFACE);
    case TColor::Window: return GetSysColor(COLOR_WINDOW);
    case TColor::WindowText: return GetSysColor(COLOR_WINDOWTEXT);
    case TColor::Red: return RGB(255, 0, 0);
    case TColor::Blue: return RGB(0, 0, 255);
    }
    return GetSysColor(COLOR_BTNFACE);
}

COLORREF TextColorOn(TColor background) {
    return GetSysColor(background == TColor::Window ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
}

WideString WindowTextW(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    WideString text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

std::string WindowText(HWND hwnd) { return Narrow(WindowTextW(hwnd)); }

std::string Win32Edit::Text() const { return WindowText(hwnd_); }

void Win32Edit::SetText(const std::string& text) { SetTextOf(hwnd_, Widen(text)); }

bool Win32Edit::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void Win32Edit::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

void Win32Edit::SetColor(TColor color) {
    color_ = color;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Edit::SetFocus() { ::SetFocus(hwnd_); }

std::string Win32Label::Caption() const { return WindowText(hwnd_); }

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON bigIcon,
                         HICON smallIcon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = bigIcon;
    wc.hIconSm = smallIcon;
    wc.lpfnWndProc = procedure;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

void FitToText(HWND label) {
    WideString text = WindowTextW(label);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Label::SetCaption(const std::string& caption) {
    SetTextOf(hwnd_, Widen(caption));
    if (autoSize_) FitToText(hwnd_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Label::Repaint() { UpdateWindow(hwnd_); }

void Win32Label::SetLook(TColor fontColor, bool underline, bool handCursor) {
    SetLinkLook(hwnd_, fontColor, underline, handCursor);
}

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
}

void Win32Panel::FillParent() {
    RECT client;
    GetClientRect(GetParent(hwnd_), &client);
    SetWindowPos(hwnd_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Image::~Win32Image() {
    if (icon_) DestroyIcon(icon_);
}

void Win32Image::LoadIconAtSize() {
    RECT area;
    GetClientRect(hwnd_, &area);
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), mainIcon_.c_str(), IMAGE_ICON, area.right, area.bottom, LR_DEFAULTCOLOR));
    SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (icon_) DestroyIcon(icon_);
    icon_ = icon;
}

void Win32Image::ShowMainIcon() {
    if (!icon_) LoadIconAtSize();
}

void Win32Image::FitIcon() {
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
}

}  // namespace fortuva::win32
