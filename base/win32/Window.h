// The one way a window of the program keeps its state: an object of its
// own, passed as CreateWindowEx's last argument and bound to the window at
// WM_NCCREATE, so that every message from the first on reaches it.
#pragma once

#include <windows.h>

#include <string>

#include "base/win32/WideText.h"

namespace fortuva::win32 {

// The object of the window, or nullptr for the few messages before
// WM_NCCREATE. At WM_NCCREATE the object also learns its window's handle.
template <typename Window>
Window* WindowInstance(HWND hwnd, UINT message, LPARAM lParam, HWND Window::*handle) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->*handle = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        return self;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// A window class of ours: the arrow cursor over the button-face colour.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON bigIcon = nullptr,
                         HICON smallIcon = nullptr, UINT style = 0);

// The window text of any window, as Windows holds it and in code page 932.
WideString WindowTextW(HWND hwnd);
std::string WindowText(HWND hwnd);

// Sizes a window to its text in its own font.
void FitToText(HWND window);

}  // namespace fortuva::win32
