// How the main window's controls are coloured and drawn: the answers to
// the colour questions its controls ask, and the result label, which draws
// its text centred both ways.
#pragma once

#include <windows.h>

#include "app/win32/MainControls.h"

namespace fortuva::win32 {

// The answer to WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC for the control: the
// brush of its background, with the device context set for its text.
LRESULT ControlColor(const MainControls& controls, HWND control, HDC dc);

// Draws the result label, the one owner-drawn control; others are left.
void DrawResultLabel(const MainControls& controls, const DRAWITEMSTRUCT& item);

}  // namespace fortuva::win32
