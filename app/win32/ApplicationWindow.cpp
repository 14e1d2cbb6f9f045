#include "app/win32/ApplicationWindow.h"

#include <dwmapi.h>

#include <optional>

#include "app/ControlIds.h"
#include "app/Thumbnail.h"
#include "base/win32/Controls.h"
#include "base/win32/Guard.h"
#include "base/win32/SystemLibrary.h"
#include "base/win32/WindowInstance.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {

// The desktop window manager's iconic pictures, from the system folder;
// where dwmapi or one of these is missing, the system draws what it can.
struct DwmApi {
    decltype(&DwmSetWindowAttribute) setAttribute =
        SystemProc<decltype(&DwmSetWindowAttribute)>(L"dwmapi.dll", "DwmSetWindowAttribute");
    decltype(&DwmSetIconicThumbnail) setThumbnail =
        SystemProc<decltype(&DwmSetIconicThumbnail)>(L"dwmapi.dll", "DwmSetIconicThumbnail");
    decltype(&DwmSetIconicLivePreviewBitmap) setLivePreview =
        SystemProc<decltype(&DwmSetIconicLivePreviewBitmap)>(L"dwmapi.dll", "DwmSetIconicLivePreviewBitmap");
    decltype(&DwmInvalidateIconicBitmaps) invalidate =
        SystemProc<decltype(&DwmInvalidateIconicBitmaps)>(L"dwmapi.dll", "DwmInvalidateIconicBitmaps");
};

const DwmApi* Dwm() {
    static const std::optional<DwmApi> api = []() -> std::optional<DwmApi> {
        try {
            return DwmApi{};
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }();
    return api ? &*api : nullptr;
}

Extent SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

// A 32-bit picture of the window, whole, at the given size; opaque, since
// the window manager reads the alpha that GDI leaves at 0. nullptr when it
// cannot be had.
HBITMAP PictureOf(HWND window, Extent size) {
    RECT frame;
    GetWindowRect(window, &frame);
    const Extent whole = SizeOf(frame);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC wholeDc = CreateCompatibleDC(screen);
    HDC scaledDc = CreateCompatibleDC(screen);
    void* wholeBits = nullptr;
    void* scaledBits = nullptr;
    info.bmiHeader.biWidth = whole.width;
    info.bmiHeader.biHeight = -whole.height;
    HBITMAP wholeBitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &wholeBits, nullptr, 0);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;
    HBITMAP scaled = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &scaledBits, nullptr, 0);
    if (wholeBitmap && scaled) {
        HGDIOBJ oldWhole = SelectObject(wholeDc, wholeBitmap);
        HGDIOBJ oldScaled = SelectObject(scaledDc, scaled);
        PrintWindow(window, wholeDc, 0);
        SetStretchBltMode(scaledDc, HALFTONE);
        StretchBlt(scaledDc, 0, 0, size.width, size.height, wholeDc, 0, 0, whole.width, whole.height, SRCCOPY);
        GdiFlush();
        auto* pixel = static_cast<DWORD*>(scaledBits);
        for (long long i = 0, n = 1LL * size.width * size.height; i < n; ++i) pixel[i] |= 0xFF000000u;
        SelectObject(wholeDc, oldWhole);
        SelectObject(scaledDc, oldScaled);
    } else if (scaled) {
        DeleteObject(scaled);
        scaled = nullptr;
    }
    if (wholeBitmap) DeleteObject(wholeBitmap);
    DeleteDC(scaledDc);
    DeleteDC(wholeDc);
    ReleaseDC(nullptr, screen);
    return scaled;
}

}  // namespace

void ApplicationWindow::Register(HINSTANCE instance, HICON bigIcon, HICON smallIcon) {
    RegisterWindowClass(instance, ids::kApplicationWindowClass, Proc, bigIcon, smallIcon);
}

ApplicationWindow::ApplicationWindow(HINSTANCE instance, const std::string& title) {
    // Zero-sized until it takes the main window's place when shown.
    CreateWindowExW(0, ids::kApplicationWindowClass, Widen(title).c_str(),
                    WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                    GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr,
                    instance, this);
}

void ApplicationWindow::Show() {
    Follow();
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    // Its own picture would be an empty frame: the main window's stands in.
    if (const DwmApi* dwm = Dwm()) {
        const BOOL on = TRUE;
        dwm->setAttribute(hwnd_, DWMWA_FORCE_ICONIC_REPRESENTATION, &on, sizeof(on));
        dwm->setAttribute(hwnd_, DWMWA_HAS_ICONIC_BITMAP, &on, sizeof(on));
    }
}

void ApplicationWindow::Follow() {
    RECT frame;
    if (!main_ || IsIconic(hwnd_) || !GetWindowRect(main_, &frame)) return;
    SetWindowPos(hwnd_, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

void ApplicationWindow::PictureChanged() {
    if (const DwmApi* dwm = Dwm(); dwm && IsWindowVisible(hwnd_)) dwm->invalidate(hwnd_);
}

void ApplicationWindow::OnSendThumbnail(int maxWidth, int maxHeight) {
    const DwmApi* dwm = Dwm();
    RECT frame;
    if (!dwm || !main_ || !GetWindowRect(main_, &frame)) return;
    if (HBITMAP picture = PictureOf(main_, FitWithin(SizeOf(frame), {maxWidth, maxHeight}))) {
        dwm->setThumbnail(hwnd_, picture, 0);
        DeleteObject(picture);
    }
}

void ApplicationWindow::OnSendLivePreview() {
    const DwmApi* dwm = Dwm();
    RECT frame;
    if (!dwm || !main_ || !GetWindowRect(main_, &frame)) return;
    // Full size, where the main window stands, which is where this one is.
    if (HBITMAP picture = PictureOf(main_, SizeOf(frame))) {
        dwm->setLivePreview(hwnd_, picture, nullptr, 0);
        DeleteObject(picture);
    }
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
    case WM_DWMSENDICONICTHUMBNAIL: OnSendThumbnail(HIWORD(lParam), LOWORD(lParam)); return 0;
    case WM_DWMSENDICONICLIVEPREVIEWBITMAP: OnSendLivePreview(); return 0;
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
