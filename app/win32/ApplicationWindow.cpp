#include "app/win32/ApplicationWindow.h"

#include "app/ControlIds.h"
#include "base/win32/Controls.h"
#include "base/win32/Guard.h"
#include "base/win32/WindowInstance.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

void ApplicationWindow::Register(HINSTANCE instance, HICON bigIcon, HICON smallIcon) {
    RegisterWindowClass(instance, ids::kApplicationWindowClass, Proc, bigIcon, smallIcon);
}

ApplicationWindow::ApplicationWindow(HINSTANCE instance, const std::string& title) {
    // Zero-sized in the middle of the screen, where Windows would place it.
    CreateWindowExW(0, ids::kApplicationWindowClass, Widen(title).c_str(),
                    WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                    GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr,
                    instance, this);
}

void ApplicationWindow::OnSize(WPARAM kind) {
    if (!main_) return;
    if (kind == SIZE_MINIMIZED) ShowWindow(main_, SW_HIDE);
    if (kind == SIZE_RESTORED && !IsWindowVisible(main_)) ShowWindow(main_, SW_SHOW);
}

bool ApplicationWindow::OnActivate(WPARAM state) {
    // Activating the entry activates the main window instead.
    if (LOWORD(state) == WA_INACTIVE || !main_ || !IsWindowVisible(main_) || !IsWindowEnabled(main_)) return false;
    SetActiveWindow(main_);
    return true;
}

LRESULT ApplicationWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: OnSize(wParam); break;
    case WM_ACTIVATE:
        if (OnActivate(wParam)) return 0;
        break;
    case WM_CLOSE:
        if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK ApplicationWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&] {
        auto* self = WindowInstance(hwnd, message, lParam, &ApplicationWindow::hwnd_);
        return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
    });
}

}  // namespace fortuva::win32
