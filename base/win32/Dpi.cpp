// Windows 10's declarations, for functions that are looked up at run time
// and never imported, so that the program still starts on Windows 7.
#undef WINVER
#define WINVER 0x0A00
#include "base/win32/Dpi.h"

#include "base/win32/SystemLibrary.h"

namespace fortuva::win32 {

namespace {

// Windows 10 (1607) and later; looked up, as older systems lack them.
struct DpiApi {
    decltype(&GetDpiForWindow) forWindow = SystemProcIfAny<decltype(&GetDpiForWindow)>(L"user32.dll", "GetDpiForWindow");
    decltype(&GetSystemMetricsForDpi) metric =
        SystemProcIfAny<decltype(&GetSystemMetricsForDpi)>(L"user32.dll", "GetSystemMetricsForDpi");
    decltype(&AdjustWindowRectExForDpi) adjust =
        SystemProcIfAny<decltype(&AdjustWindowRectExForDpi)>(L"user32.dll", "AdjustWindowRectExForDpi");
};

const DpiApi& Api() {
    static const DpiApi api;
    return api;
}

}  // namespace

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int WindowDpi(HWND window) {
    const UINT dpi = Api().forWindow ? Api().forWindow(window) : 0;
    return dpi ? static_cast<int>(dpi) : ScreenDpi();
}

int SystemMetricAt(int index, int dpi) {
    return Api().metric ? Api().metric(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

void SizeClientArea(HWND window, SIZE client, int dpi, const POINT* topLeft) {
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    RECT frame{0, 0, client.cx, client.cy};
    if (Api().adjust)
        Api().adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
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
