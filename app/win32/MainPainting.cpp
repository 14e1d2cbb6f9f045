#include "app/win32/MainPainting.h"

#include "base/win32/Colors.h"
#include "base/win32/Scoped.h"
#include "base/win32/Window.h"

namespace fortuva::win32 {

LRESULT ControlColor(const MainControls& controls, HWND control, HDC dc) {
    if (controls.HasRedText(control)) {
        SetTextColor(dc, ColorRef(TColor::Red));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    if (const Win32Edit* edit = controls.EditById(GetDlgCtrlID(control))) {
        const COLORREF color = ColorRef(edit->Color());
        SetTextColor(dc, TextColorOn(edit->Color()));
        SetBkColor(dc, color);
        SetDCBrushColor(dc, color);
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    // Labels, the check box and the frames' captions: the system's own
    // answer pairs window text with button face, which not every scheme does.
    SetTextColor(dc, TextColorOn(TColor::BtnFace));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void DrawResultLabel(const MainControls& controls, const DRAWITEMSTRUCT& item) {
    if (!controls.IsResultLabel(item.hwndItem)) return;
    WideString text = WindowTextW(item.hwndItem);
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    const Selected font(item.hDC, controls.BoldFont());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, TextColorOn(TColor::BtnFace));
    // Centred both ways: measure the wrapped text, then place it mid-height.
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    RECT measured = area;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
    RECT place = area;
    place.top += ((area.bottom - area.top) - (measured.bottom - measured.top)) / 2;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &place, format);
}

}  // namespace fortuva::win32
