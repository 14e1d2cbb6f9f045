#include "base/win32/InputMethod.h"

#include <imm.h>

#include <exception>

#include "base/win32/SystemLibrary.h"

namespace fortuva::win32 {

void DetachInputMethod(HWND edit) {
    try {
        // No context and no flags: the window gets none, not the default one.
        SystemProc<decltype(&ImmAssociateContextEx)>(L"imm32.dll", "ImmAssociateContextEx")(edit, nullptr, 0);
    } catch (const std::exception&) {
        // No input method on this system to keep away.
    }
}

}  // namespace fortuva::win32
