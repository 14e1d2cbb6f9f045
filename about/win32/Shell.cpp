#include "about/win32/Shell.h"

#include "base/win32/SystemFunctions.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

void Win32Shell::Execute(const std::string& verb, const std::string& target) {
    // The result is not examined: a link that cannot be opened does nothing.
    sys::ShellExecuteW(owner_, Widen(verb).c_str(), Widen(target).c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace fortuva::win32
