// A flat tool button with a 16 x 16 glyph. Clicking it never takes the
// keyboard focus, so the entry box keeps it.
#pragma once

#include <windows.h>

namespace fortuva::win32 {

extern const wchar_t kToolButtonClass[];

void RegisterToolButtonClass(HINSTANCE instance);

// The glyph is drawn centred; the button does not own the icon.
void SetToolButtonGlyph(HWND button, HICON glyph);

}  // namespace fortuva::win32
