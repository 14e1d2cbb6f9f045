#include "base/win32/ToolButton.h"

#include "base/win32/Guard.h"

namespace fortuva::win32 {

const wchar_t kToolButtonClass[] = L"FortuvaToolButton";

namespace {

struct ButtonState {
    HICON glyph = nullptr;
    int glyphSize = 0;
    bool hot = false;
    bool pressed = false;
};

ButtonState* StateOf(HWND hwnd) { return reinterpret_cast<ButtonState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

bool PointerInside(HWND hwnd, LPARAM lParam) {
    RECT r;
    GetClientRect(hwnd, &r);
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&r, p) != FALSE;
}

void Paint(HWND hwnd, const ButtonState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (state.pressed && state.hot) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (state.hot) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    if (state.glyph) {
        const int size = state.glyphSize;
        int shift = (state.pressed && state.hot) ? 1 : 0;
        DrawIconEx(dc, (r.right - size) / 2 + shift, (r.bottom - size) / 2 + shift, state.glyph, size, size, 0,
                   nullptr, DI_NORMAL);
    }
    EndPaint(hwnd, &ps);
}

void SetHot(HWND hwnd, ButtonState& state, bool hot) {
    if (state.hot == hot) return;
    state.hot = hot;
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState* state = StateOf(hwnd);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ButtonState));
        break;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    case WM_PAINT:
        Paint(hwnd, *state);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        SetHot(hwnd, *state, PointerInside(hwnd, lParam));
        return 0;
    }
    case WM_MOUSELEAVE:
        if (!state->pressed) SetHot(hwnd, *state, false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        state->pressed = true;
        state->hot = true;
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP: {
        bool clicked = state->pressed && PointerInside(hwnd, lParam);
        state->pressed = false;
        if (GetCapture() == hwnd) ReleaseCapture();
        SetHot(hwnd, *state, PointerInside(hwnd, lParam));
        InvalidateRect(hwnd, nullptr, FALSE);
        if (clicked)
            SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                         reinterpret_cast<LPARAM>(hwnd));
        return 0;
    }
    case WM_CAPTURECHANGED:
        state->pressed = false;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ToolButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&] { return OnMessage(hwnd, message, wParam, lParam); });
}

}  // namespace

void RegisterToolButtonClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ToolButtonProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kToolButtonClass;
    RegisterClassExW(&wc);
}

void SetToolButtonGlyph(HWND button, HICON glyph, int size) {
    if (ButtonState* state = StateOf(button)) {
        state->glyph = glyph;
        state->glyphSize = size;
    }
    InvalidateRect(button, nullptr, TRUE);
}

}  // namespace fortuva::win32
