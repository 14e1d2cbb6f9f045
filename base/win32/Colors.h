// The colours the program's windows draw with, taken from the scheme in
// force at each paint, so that a new scheme shows at once.
#pragma once

#include <windows.h>

#include "base/Controls.h"

namespace fortuva::win32 {

COLORREF ColorRef(TColor color);

// The system's text colour that belongs with a background, so that text
// stays readable in every colour scheme, High Contrast included: window text
// on the window colour, button text on button face and on the blink's red.
COLORREF TextColorOn(TColor background);

}  // namespace fortuva::win32
