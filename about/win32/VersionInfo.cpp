#include "about/win32/VersionInfo.h"

#include <windows.h>

#include "base/win32/SystemLibrary.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {
using GetSizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using GetInfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using QueryFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

BOOL Query(const void* buffer, const std::string& subBlock, LPVOID* found, UINT* length) {
    static const auto query = SystemProc<QueryFunction>(L"version.dll", "VerQueryValueW");
    return query(buffer, Widen(subBlock).c_str(), found, length);
}
}  // namespace

unsigned long Win32VersionApi::InfoSize(const NativePath& path) {
    static const auto getSize = SystemProc<GetSizeFunction>(L"version.dll", "GetFileVersionInfoSizeW");
    DWORD handle = 0;
    return getSize(PathW(path).c_str(), &handle);
}

bool Win32VersionApi::ReadInfo(const NativePath& path, unsigned long size, void* buffer) {
    static const auto getInfo = SystemProc<GetInfoFunction>(L"version.dll", "GetFileVersionInfoW");
    return getInfo(PathW(path).c_str(), 0, size, buffer) != FALSE;
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
