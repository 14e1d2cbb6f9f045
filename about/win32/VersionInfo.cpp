#include "about/win32/VersionInfo.h"

#include "base/win32/SystemFunctions.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {
BOOL Query(const void* buffer, const std::string& subBlock, LPVOID* found, UINT* length) {
    return sys::VerQueryValueW(buffer, Widen(subBlock).c_str(), found, length);
}
}  // namespace

unsigned long Win32VersionApi::InfoSize(const NativePath& path) {
    DWORD handle = 0;
    return sys::GetFileVersionInfoSizeW(PathW(path).c_str(), &handle);
}

bool Win32VersionApi::ReadInfo(const NativePath& path, unsigned long size, void* buffer) {
    return sys::GetFileVersionInfoW(PathW(path).c_str(), 0, size, buffer) != FALSE;
}

bool Win32VersionApi::QueryValue(const void* buffer, const std::string& subBlock,
                                 const void** value, unsigned* length) {
    LPVOID found = nullptr;
    UINT bytes = 0;
    if (!Query(buffer, subBlock, &found, &bytes)) return false;
    *value = found;
    *length = bytes;
    return true;
}

bool Win32VersionApi::QueryString(const void* buffer, const std::string& subBlock, std::string* text) {
    LPVOID found = nullptr;
    UINT chars = 0;  // for a text value the length counts characters, not bytes
    if (!Query(buffer, subBlock, &found, &chars)) return false;
    // The value ends at its terminating zero, which the length may or may not count.
    const wchar_t* begin = static_cast<const wchar_t*>(found);
    WideString wide;
    if (begin != nullptr) {
        UINT n = 0;
        while (n < chars && begin[n] != L'\0') ++n;
        wide.assign(begin, n);
    }
    // Copied out now: the buffer is released once the lookup returns.
    *text = Narrow(wide);
    return true;
}

}  // namespace fortuva::win32
