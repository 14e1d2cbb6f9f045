// A flat tool button with a glyph, 16 x 16 at 96 dots per inch. Clicking it never takes the
// keyboard focus, so the entry box keeps it.
#pragma once

#include <windows.h>

namespace fortuva::win32 {

extern const wchar_t kToolButtonClass[];

void RegisterToolButtonClass(HINSTANCE instance);

// The glyph, an icon of the given size, is drawn centred; the button does
// not own it.
void SetToolButtonGlyph(HWND button, HICON glyph, int size);

}  // namespace fortuva::win32
