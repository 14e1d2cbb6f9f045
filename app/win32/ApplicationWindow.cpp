#include "app/win32/ApplicationWindow.h"

#include "app/ControlIds.h"
#include "app/Thumbnail.h"
#include "base/win32/Guard.h"
#include "base/win32/Scoped.h"
#include "base/win32/SystemFunctions.h"
#include "base/win32/Window.h"

namespace fortuva::win32 {

namespace {

struct WorkWindowSearch {
    HWND taskbarWindow;
    HWND found;
};

// A dialog disables its owner and, with it, the taskbar's window: of the
// program's windows only the dialog is then left enabled. Never the
// taskbar's window itself, which nobody works in, nor a tool tip.
BOOL CALLBACK FindWorkWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WorkWindowSearch*>(param);
    if (window == search.taskbarWindow || !IsWindowVisible(window) || !IsWindowEnabled(window) ||
        (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
        return TRUE;
    for (HWND owner = GetWindow(window, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) {
        if (owner != search.taskbarWindow) continue;
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

Extent SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

// A 32-bit picture of the given size to draw into.
OwnedBitmap NewPicture(HDC screen, Extent size, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return OwnedBitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

// The window as it is now, frame and all, at full size, with the place of
// its client area; empty when it cannot be had.
MainPicture PictureOfWindow(HWND window) {
    RECT frame, client;
    POINT origin{0, 0};
    if (!GetWindowRect(window, &frame) || !GetClientRect(window, &client) || !ClientToScreen(window, &origin))
        return {};
    MainPicture picture;
    picture.size = SizeOf(frame);
    picture.client = ClientInWindow({frame.left, frame.top, picture.size.width, picture.size.height},
                                    {origin.x, origin.y, client.right, client.bottom});
    const WindowDc screen(nullptr);
    const MemoryDc dc(CreateCompatibleDC(screen.Get()));
    void* bits = nullptr;
    OwnedBitmap bitmap = NewPicture(screen.Get(), picture.size, &bits);
    if (!bitmap) return {};
    {
        const Selected selected(dc.Get(), bitmap.Get());
        if (!PrintWindow(window, dc.Get(), 0)) return {};
        GdiFlush();
    }
    picture.bitmap = std::move(bitmap);
    return picture;
}

// A part of the picture at the given size, opaque, since the window
// manager reads the alpha that GDI leaves at 0. Empty when it cannot be had.
OwnedBitmap PartOf(const MainPicture& picture, Box part, Extent size) {
    const WindowDc screen(nullptr);
    const MemoryDc from(CreateCompatibleDC(screen.Get()));
    const MemoryDc to(CreateCompatibleDC(screen.Get()));
    void* bits = nullptr;
    OwnedBitmap scaled = NewPicture(screen.Get(), size, &bits);
    if (!scaled) return OwnedBitmap();
    {
        const Selected source(from.Get(), picture.bitmap.Get());
        const Selected target(to.Get(), scaled.Get());
        SetStretchBltMode(to.Get(), HALFTONE);
        StretchBlt(to.Get(), 0, 0, size.width, size.height, from.Get(), part.left, part.top, part.width, part.height,
                   SRCCOPY);
        GdiFlush();
    }
    auto* pixel = static_cast<DWORD*>(bits);
    for (long long i = 0, n = 1LL * size.width * size.height; i < n; ++i) pixel[i] |= 0xFF000000u;
    return scaled;
}

}  // namespace

void ApplicationWindow::Register(HINSTANCE instance, HICON bigIcon, HICON smallIcon) {
    RegisterWindowClass(instance, ids::kApplicationWindowClass, Proc, bigIcon, smallIcon);
}

ApplicationWindow::ApplicationWindow(HINSTANCE instance, const std::string& title) {
    // Of no size, and so unseen, until it takes the main window's place
    // once that is shown; on the taskbar from the start-up notice on.
    CreateWindowExW(0, ids::kApplicationWindowClass, Widen(title).c_str(),
                    WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                    GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr,
                    instance, this);
}

void ApplicationWindow::ShowOnTaskbar() { ShowWindow(hwnd_, SW_SHOWNOACTIVATE); }

void ApplicationWindow::StandFor() {
    Follow();
    // Its own picture would be an empty frame: the main window's stands in.
    // Without the window manager's pictures, the system draws what it can.
    if (!sys::DwmSetWindowAttribute) return;
    const BOOL on = TRUE;
    sys::DwmSetWindowAttribute(hwnd_, DWMWA_FORCE_ICONIC_REPRESENTATION, &on, sizeof(on));
    sys::DwmSetWindowAttribute(hwnd_, DWMWA_HAS_ICONIC_BITMAP, &on, sizeof(on));
}

void ApplicationWindow::Follow() {
    RECT frame;
    if (!main_ || IsIconic(hwnd_) || !GetWindowRect(main_, &frame)) return;
    SetWindowPos(hwnd_, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOOWNERZORDER);
}

void ApplicationWindow::PictureChanged() {
    // Told once the changes of the moment are made: each telling has the
    // window manager ask for the pictures anew.
    if (picturesOutOfDate_) return;
    picturesOutOfDate_ = true;
    PostMessageW(hwnd_, ids::kPicturesOutOfDateMessage, 0, 0);
}

void ApplicationWindow::OnPicturesOutOfDate() {
    picturesOutOfDate_ = false;
    if (sys::DwmInvalidateIconicBitmaps && IsWindowVisible(hwnd_)) sys::DwmInvalidateIconicBitmaps(hwnd_);
}

void ApplicationWindow::KeepPicture() {
    if (main_ && IsWindowVisible(main_)) keptPicture_.Keep(PictureOfWindow(main_));
}

const MainPicture* ApplicationWindow::CurrentPicture() {
    const bool shown = main_ && IsWindowVisible(main_) && !IsIconic(hwnd_);
    return keptPicture_.Current(shown, [this] { return PictureOfWindow(main_); });
}

void ApplicationWindow::SetInDialog(bool inDialog) { EnableWindow(hwnd_, inDialog ? FALSE : TRUE); }

bool ApplicationWindow::InDialog() const { return !IsWindowEnabled(hwnd_); }

void ApplicationWindow::BringForward() {
    if (HWND window = WorkWindow()) SetForegroundWindow(window);
}

void ApplicationWindow::BringBack() {
    // Minimising hid the window the user works in; restoring brings it back.
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    BringForward();
}

HWND ApplicationWindow::WorkWindow() const {
    WorkWindowSearch search{hwnd_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindWorkWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ApplicationWindow::OnSendThumbnail(int maxWidth, int maxHeight) {
    if (!sys::DwmSetIconicThumbnail) return;
    const MainPicture* picture = CurrentPicture();
    if (!picture) return;
    const Box whole{0, 0, picture->size.width, picture->size.height};
    if (const OwnedBitmap thumbnail = PartOf(*picture, whole, FitWithin(picture->size, {maxWidth, maxHeight})))
        sys::DwmSetIconicThumbnail(hwnd_, thumbnail.Get(), 0);
}

void ApplicationWindow::OnSendLivePreview() {
    if (!sys::DwmSetIconicLivePreviewBitmap) return;
    const MainPicture* picture = CurrentPicture();
    if (!picture) return;
    // The main window's client area at full size, placed in this window's
    // frame as in the main window's, which has the same frame: taken from
    // the main window, since the system parks this one far off screen
    // while the program is minimised.
    const Box& client = picture->client;
    POINT offset{client.left, client.top};
    if (const OwnedBitmap preview = PartOf(*picture, client, {client.width, client.height}))
        sys::DwmSetIconicLivePreviewBitmap(hwnd_, preview.Get(), &offset, DWM_SIT_DISPLAYFRAME);
}

void ApplicationWindow::OnSize(WPARAM kind) {
    // The system hides and shows the main window, which this one owns, with
    // it; what the main window owns in turn (an open dialog) goes and comes
    // back with them.
    if (!main_) return;
    if (kind == SIZE_MINIMIZED) ShowOwnedPopups(main_, FALSE);
    if (kind == SIZE_RESTORED) {
        ShowOwnedPopups(main_, TRUE);
        if (GetActiveWindow() == hwnd_) BringForward();
    }
}

bool ApplicationWindow::OnActivate(WPARAM state) {
    // Activating the entry activates the window the user works in instead,
    // once this activation has run its course.
    if (LOWORD(state) == WA_INACTIVE || IsIconic(hwnd_)) return false;
    PostMessageW(hwnd_, ids::kBringForwardMessage, 0, 0);
    return true;
}

void ApplicationWindow::OnClose() {
    // Closing the program is the main window's to decide; before there is
    // one, the notice is all there is.
    if (main_)
        PostMessageW(main_, WM_CLOSE, 0, 0);
    else
        BringBack();
}

LRESULT ApplicationWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: OnSize(wParam); break;
    case WM_ACTIVATE:
        if (OnActivate(wParam)) return 0;
        break;
    case WM_CLOSE: OnClose(); return 0;
    case ids::kBringForwardMessage:
        if (GetActiveWindow() == hwnd_) BringForward();
        return 0;
    // It follows the main window, never a place of its own.
    case WM_DPICHANGED: Follow(); return 0;
    case ids::kPicturesOutOfDateMessage: OnPicturesOutOfDate(); return 0;
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
