// A label that behaves like a hyperlink: it reports the mouse coming and
// going and clicks to its parent, and draws itself in the look it is given.
#pragma once

#include <windows.h>

#include "base/Controls.h"

namespace fortuva::win32 {

extern const wchar_t kLinkLabelClass[];

// Notification codes sent to the parent in WM_COMMAND.
constexpr WORD kLinkEnter = 0x0100;
constexpr WORD kLinkLeave = 0x0101;
constexpr WORD kLinkClick = BN_CLICKED;

void RegisterLinkLabelClass(HINSTANCE instance);

void SetLinkLook(HWND link, TColor color, bool underline, bool handCursor);

}  // namespace fortuva::win32
