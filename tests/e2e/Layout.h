// Where the main window's controls stand, as a user measures them: in
// pixels of its client area at 96 dots per inch, and at other resolutions,
// where the whole layout grows with the font's pixel height.
#pragma once

#include <windows.h>

#include <array>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {

using Box = std::array<int, 4>;  // left, top, width, height

struct ExpectedControl {
    const char* name;
    int id;
    const wchar_t* text;  // nullptr: not checked
    Box box;              // at 96 dots per inch
};

inline constexpr int kClientWidth = 377;
inline constexpr int kClientHeight = 177;

inline constexpr ExpectedControl kMainArea[] = {
    {"Edit1", ids::Edit1, L"", {8, 24, 129, 20}},
    {"GroupBox1", ids::GroupBoxId(0), L"一等", {144, 0, 113, 73}},
    {"GroupBox2", ids::GroupBoxId(1), L"二等", {264, 0, 113, 73}},
    {"GroupBox3", ids::GroupBoxId(2), L"三等", {144, 80, 113, 73}},
    {"GroupBox4", ids::GroupBoxId(3), L"四等", {264, 80, 113, 97}},
    {"Edit2", ids::SlotId(0), nullptr, {160, 16, 89, 20}},
    {"Edit3", ids::SlotId(1), nullptr, {160, 40, 89, 20}},
    {"Edit4", ids::SlotId(2), nullptr, {280, 16, 89, 20}},
    {"Edit5", ids::SlotId(3), nullptr, {160, 96, 89, 20}},
    {"Edit6", ids::SlotId(4), nullptr, {160, 120, 89, 20}},
    {"Edit7", ids::SlotId(5), nullptr, {280, 96, 89, 20}},
    {"Edit8", ids::SlotId(6), nullptr, {280, 120, 89, 20}},
    {"Edit9", ids::SlotId(7), nullptr, {280, 144, 89, 20}},
    {"Panel1", ids::Panel1, nullptr, {0, 72, 137, 81}},
    {"Label2", ids::Label2, L"", {2, 74, 133, 77}},
    {"CheckBox1", ids::CheckBox1, L"確認ダイアログを出さない", {0, 160, 153, 17}},
    {"SpeedButton1", ids::SpeedButton1, nullptr, {112, 48, 23, 22}},
    {"SpeedButton2", ids::SpeedButton2, nullptr, {8, 48, 23, 22}},
};

// The desktop's logical dots per inch.
inline int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

inline int PxAt(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }
inline int Px(int pixels) { return PxAt(pixels, ScreenDpi()); }

inline Box ScaledAt(const Box& box, int dpi) {
    return {PxAt(box[0], dpi), PxAt(box[1], dpi), PxAt(box[2], dpi), PxAt(box[3], dpi)};
}

// The control's place in the main window's client area.
inline Box PlaceOn(HWND main, HWND control) {
    const RECT r = ClientRectOnParent(control, main);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace fortuva::e2e
