#include "base/win32/LinkLabel.h"

#include "base/win32/Colors.h"
#include "base/win32/Window.h"

namespace fortuva::win32 {

namespace {

// Drawn on button face, a link's window-text colour is the scheme's text
// colour for button face: the two are one in the standard schemes, and only
// the latter stays readable where a scheme sets them apart.
COLORREF TextColorOf(TColor color) {
    return color == TColor::WindowText ? TextColorOn(TColor::BtnFace) : ColorRef(color);
}

}  // namespace

void LinkLabel::Register(HINSTANCE instance) { CustomControl::Register(instance, kClassName); }

void LinkLabel::SetLook(TColor color, bool underline, bool handCursor) {
    color_ = color;
    underline_ = underline;
    hand_ = handCursor;
    InvalidateRect(Handle(), nullptr, TRUE);
}

HFONT LinkLabel::DrawingFont() {
    if (!underline_ || !font_) return font_;
    if (!underlined_) {
        LOGFONTW description{};
        GetObjectW(font_, sizeof(description), &description);
        description.lfUnderline = TRUE;
        underlined_ = OwnedFont(CreateFontIndirectW(&description));
    }
    return underlined_.Get();
}

void LinkLabel::Paint(HDC dc, const RECT& area) {
    WideString text = WindowTextW(Handle());
    RECT place = area;
    const Selected font(dc, DrawingFont());
    SetBkMode(dc, TRANSPARENT);
    // Taken at every paint, so that a new scheme shows at once.
    SetTextColor(dc, TextColorOf(color_));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT LinkLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        // The underlined font is made anew from the new one when needed.
        underlined_ = OwnedFont();
        FitToText(Handle());
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
        const LRESULT result = CustomControl::OnMessage(message, wParam, lParam);
        FitToText(Handle());
        InvalidateRect(Handle(), nullptr, TRUE);
        return result;
    }
    case WM_MOUSEMOVE:
        if (!inside_ && TrackLeave()) {
            inside_ = true;
            Notify(kPointerEnters);
        }
        return 0;
    case WM_MOUSELEAVE:
        // Also comes at once for a move heard after the pointer had gone.
        if (inside_) {
            inside_ = false;
            Notify(kPointerLeaves);
        }
        return 0;
    case WM_LBUTTONUP: Notify(NM_CLICK); return 0;
    case WM_SETCURSOR:
        if (!hand_) break;
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        return TRUE;
    }
    return CustomControl::OnMessage(message, wParam, lParam);
}

}  // namespace fortuva::win32
