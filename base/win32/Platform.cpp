#include "base/win32/Platform.h"

#include "base/Errors.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

WideString ModulePath() {
    WideString path(MAX_PATH, L'\0');
    for (;;) {
        DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (got < path.size()) {
            path.resize(got);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void Win32Platform::Beep() { MessageBeep(0); }

void Win32Platform::ShowMessage(MessageKind kind, const std::string& title, const std::string& text) {
    UINT icon = 0;
    switch (kind) {
    case MessageKind::Information: icon = MB_ICONINFORMATION; break;
    case MessageKind::Warning: icon = MB_ICONWARNING; break;
    case MessageKind::Plain: icon = 0; break;
    case MessageKind::Error: icon = MB_ICONSTOP; break;
    }
    HWND owner = owner_ ? owner_() : nullptr;
    if (MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), MB_OK | icon) == 0)
        throw Exception(kCannotShowMessage);
}

void Win32Platform::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

int Win32Platform::CurrentYear() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

NativePath Win32Platform::ExecutablePath() { return FromPathW(ModulePath()); }

}  // namespace fortuva::win32
