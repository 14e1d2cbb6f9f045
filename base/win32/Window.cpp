#include "base/win32/Window.h"

#include "base/win32/Scoped.h"

namespace fortuva::win32 {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON bigIcon,
                         HICON smallIcon, UINT style) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = bigIcon;
    wc.hIconSm = smallIcon;
    wc.lpfnWndProc = procedure;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

WideString WindowTextW(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    WideString text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

std::string WindowText(HWND hwnd) { return Narrow(WindowTextW(hwnd)); }

void FitToText(HWND window) {
    WideString text = WindowTextW(window);
    SIZE size{};
    {
        const WindowDc dc(window);
        const Selected font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    }
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace fortuva::win32
