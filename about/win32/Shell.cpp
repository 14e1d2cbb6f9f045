#include "about/win32/Shell.h"

#include "base/win32/SystemLibrary.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
}

void Win32Shell::Execute(const std::string& verb, const std::string& target) {
    static const auto shellExecute = SystemProc<ShellExecuteFunction>(L"shell32.dll", "ShellExecuteW");
    // The result is not examined: a link that cannot be opened does nothing.
    shellExecute(owner_, Widen(verb).c_str(), Widen(target).c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace fortuva::win32
