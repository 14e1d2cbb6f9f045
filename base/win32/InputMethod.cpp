#include "base/win32/InputMethod.h"

#include "base/win32/SystemFunctions.h"

namespace fortuva::win32 {

void DetachInputMethod(HWND edit) {
    // No context and no flags: the window gets none, not the default one.
    // Without imm32 there is no input method to keep away.
    if (sys::ImmAssociateContextEx) sys::ImmAssociateContextEx(edit, nullptr, 0);
}

}  // namespace fortuva::win32
