#include "base/win32/Dpi.h"

#include "base/win32/Scoped.h"
#include "base/win32/SystemFunctions.h"

namespace fortuva::win32 {

namespace {
// The desktop's logical dots per inch, where the system has no other.
int ScreenDpi() { return GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSY); }
}  // namespace

int WindowDpi(HWND window) {
    const UINT dpi = sys::GetDpiForWindow ? sys::GetDpiForWindow(window) : 0;
    return dpi ? static_cast<int>(dpi) : ScreenDpi();
}

SIZE FrameSizeAt(HWND window, SIZE client, int dpi) {
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    RECT frame{0, 0, client.cx, client.cy};
    if (sys::AdjustWindowRectExForDpi)
        sys::AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void SizeClientArea(HWND window, SIZE client, int dpi, const POINT* topLeft) {
    const SIZE frame = FrameSizeAt(window, client, dpi);
    int width = frame.cx;
    int height = frame.cy;
    const UINT place = topLeft ? 0 : SWP_NOMOVE;
    SetWindowPos(window, nullptr, topLeft ? topLeft->x : 0, topLeft ? topLeft->y : 0, width, height,
                 place | SWP_NOZORDER | SWP_NOACTIVATE);
    // A frame that is not what the system said it would be still leaves
    // the client area its size.
    RECT now;
    GetClientRect(window, &now);
    if (now.right == client.cx && now.bottom == client.cy) return;
    width += client.cx - now.right;
    height += client.cy - now.bottom;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace fortuva::win32
