// A window's object, passed as CreateWindowEx's last argument and stored at
// WM_NCCREATE, so that every message from the first on reaches it.
#pragma once

#include <windows.h>

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

}  // namespace fortuva::win32
