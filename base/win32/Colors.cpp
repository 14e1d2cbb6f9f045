#include "base/win32/Colors.h"

namespace fortuva::win32 {

COLORREF ColorRef(TColor color) {
    switch (color) {
    case TColor::BtnFace: return GetSysColor(COLOR_BTNFACE);
    case TColor::Window: return GetSysColor(COLOR_WINDOW);
    case TColor::WindowText: return GetSysColor(COLOR_WINDOWTEXT);
    case TColor::Red: return RGB(255, 0, 0);
    case TColor::Blue: return RGB(0, 0, 255);
    }
    return GetSysColor(COLOR_BTNFACE);
}

COLORREF TextColorOn(TColor background) {
    return GetSysColor(background == TColor::Window ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
}

}  // namespace fortuva::win32
