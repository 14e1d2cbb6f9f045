#include "base/win32/CustomControl.h"

#include "base/win32/Guard.h"
#include "base/win32/Scoped.h"
#include "base/win32/Window.h"

namespace fortuva::win32 {

void CustomControl::Register(HINSTANCE instance, const wchar_t* className, UINT style) {
    RegisterWindowClass(instance, className, Proc, nullptr, nullptr, style);
}

void CustomControl::Notify(UINT code) const {
    NMHDR header{hwnd_, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd_)), code};
    SendMessageW(GetParent(hwnd_), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

bool CustomControl::TrackLeave() const {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
    if (!TrackMouseEvent(&track)) return false;
    // A pointer already gone elsewhere starts no watch: Windows then tells
    // the leaving at once, some others never do, so ask whether it took.
    TRACKMOUSEEVENT watched{sizeof(watched), TME_QUERY, nullptr, 0};
    return TrackMouseEvent(&watched) && watched.hwndTrack == hwnd_ && (watched.dwFlags & TME_LEAVE);
}

bool CustomControl::Covers(LPARAM point) const {
    RECT area;
    GetClientRect(hwnd_, &area);
    return PtInRect(&area, POINT{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))}) != FALSE;
}

void CustomControl::OnPaint() {
    const PaintDc dc(hwnd_);
    RECT area;
    GetClientRect(hwnd_, &area);
    FillRect(dc.Get(), &area, GetSysColorBrush(COLOR_BTNFACE));
    Paint(dc.Get(), area);
}

LRESULT CustomControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK CustomControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&]() -> LRESULT {
        auto* self = WindowInstance(hwnd, message, lParam, &CustomControl::hwnd_);
        if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
        switch (message) {
        case WM_PAINT: self->OnPaint(); return 0;
        // The paint lays the button face itself, without a flicker between.
        case WM_ERASEBKGND: return 1;
        }
        return self->OnMessage(message, wParam, lParam);
    });
}

}  // namespace fortuva::win32
