// Keeps the input method away from an edit control that takes digits only:
// whatever state the user left the input method in, each key arrives as a
// half-width character, never as a composition to confirm.
#pragma once

#include <windows.h>

namespace fortuva::win32 {

// Takes the edit's input context away. Without imm32 (a system without
// input methods) the keys arrive plainly anyway, and nothing is done.
void DetachInputMethod(HWND edit);

}  // namespace fortuva::win32
