#include "base/win32/LinkLabel.h"

#include <string>

#include "base/win32/Controls.h"
#include "base/win32/Guard.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

const wchar_t kLinkLabelClass[] = L"FortuvaLinkLabel";

namespace {

struct LinkState {
    TColor color = TColor::WindowText;
    bool underline = false;
    bool hand = false;
    bool inside = false;
    HFONT underlined = nullptr;  // made from the label's font when first needed
};

LinkState* StateOf(HWND hwnd) { return reinterpret_cast<LinkState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

void Notify(HWND hwnd, WORD code) {
    SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

// Drawn on button face, a link's window-text colour is the scheme's text
// colour for button face: the two are one in the standard schemes, and only
// the latter stays readable where a scheme sets them apart. Taken at every
// paint, so that a new scheme shows at once.
COLORREF TextColorOf(TColor color) {
    return color == TColor::WindowText ? TextColorOn(TColor::BtnFace) : ColorRef(color);
}

HFONT FontOf(HWND hwnd) { return reinterpret_cast<HFONT>(GetPropW(hwnd, L"FortuvaFont")); }

HFONT DrawingFont(HWND hwnd, LinkState& state) {
    HFONT font = FontOf(hwnd);
    if (!state.underline || !font) return font;
    if (!state.underlined) {
        LOGFONTW description{};
        GetObjectW(font, sizeof(description), &description);
        description.lfUnderline = TRUE;
        state.underlined = CreateFontIndirectW(&description);
    }
    return state.underlined;
}

void Paint(HWND hwnd, LinkState& state) {
    // Read first: once painting has begun, nothing may fail before its end.
    WideString text = WindowTextW(hwnd);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(dc, DrawingFont(hwnd, state));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColorOf(state.color));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LinkState* state = StateOf(hwnd);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LinkState));
        break;
    case WM_NCDESTROY:
        if (state && state->underlined) DeleteObject(state->underlined);
        delete state;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        RemovePropW(hwnd, L"FortuvaFont");
        break;
    case WM_SETFONT:
        // The underlined font is made anew from the new one when needed.
        if (state->underlined) DeleteObject(state->underlined);
        state->underlined = nullptr;
        SetPropW(hwnd, L"FortuvaFont", reinterpret_cast<HANDLE>(wParam));
        FitToText(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FontOf(hwnd));
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        FitToText(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    case WM_PAINT:
        Paint(hwnd, *state);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        if (!state->inside) {
            state->inside = true;
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
            Notify(hwnd, kLinkEnter);
        }
        return 0;
    case WM_MOUSELEAVE:
        state->inside = false;
        Notify(hwnd, kLinkLeave);
        return 0;
    case WM_LBUTTONUP:
        Notify(hwnd, kLinkClick);
        return 0;
    case WM_SETCURSOR:
        if (state->hand) {
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
            return TRUE;
        }
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(hwnd, message, [&] { return OnMessage(hwnd, message, wParam, lParam); });
}

}  // namespace

void RegisterLinkLabelClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = LinkProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kLinkLabelClass;
    RegisterClassExW(&wc);
}

void SetLinkLook(HWND link, TColor color, bool underline, bool handCursor) {
    LinkState* state = StateOf(link);
    if (!state) return;
    state->color = color;
    state->underline = underline;
    state->hand = handCursor;
    InvalidateRect(link, nullptr, TRUE);
}

}  // namespace fortuva::win32
