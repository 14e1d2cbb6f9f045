#include "base/win32/ToolButton.h"

namespace fortuva::win32 {

void ToolButton::Register(HINSTANCE instance) { CustomControl::Register(instance, kClassName, CS_DBLCLKS); }

void ToolButton::SetGlyph(HICON glyph, int size) {
    glyph_ = glyph;
    glyphSize_ = size;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void ToolButton::Paint(HDC dc, const RECT& area) {
    RECT edge = area;
    if (pressed_ && hot_) {
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot_) {
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
    }
    if (!glyph_) return;
    const int shift = (pressed_ && hot_) ? 1 : 0;
    DrawIconEx(dc, (area.right - glyphSize_) / 2 + shift, (area.bottom - glyphSize_) / 2 + shift, glyph_, glyphSize_,
               glyphSize_, 0, nullptr, DI_NORMAL);
}

void ToolButton::SetHot(bool hot) {
    if (hot_ == hot) return;
    hot_ = hot;
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT ToolButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        TrackLeave();
        SetHot(Covers(lParam));
        return 0;
    case WM_MOUSELEAVE:
        if (!pressed_) SetHot(false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = true;
        hot_ = true;
        SetCapture(Handle());
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP: {
        const bool clicked = pressed_ && Covers(lParam);
        pressed_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        SetHot(Covers(lParam));
        InvalidateRect(Handle(), nullptr, FALSE);
        if (clicked) Notify(NM_CLICK);
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    }
    return CustomControl::OnMessage(message, wParam, lParam);
}

}  // namespace fortuva::win32
