#include "base/win32/WideText.h"

#include <windows.h>

namespace fortuva::win32 {

WideString Widen(const std::string& cp932) {
    if (cp932.empty()) return WideString();
    int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    WideString out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), out.data(), n);
    return out;
}

std::string Narrow(const WideString& wide) {
    if (wide.empty()) return std::string();
    // A character that code page 932 lacks becomes its default character,
    // never a look-alike: "²³" typed must not pass for the entry 23.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    int n = WideCharToMultiByte(932, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(932, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

WideString PathW(const NativePath& path) { return WideString(path.begin(), path.end()); }

NativePath FromPathW(const WideString& path) { return NativePath(path.begin(), path.end()); }

}  // namespace fortuva::win32
