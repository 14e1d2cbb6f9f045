// A stand-in for a system library dropped into a program's folder, as an
// attacker would plant it. Built once under each planted name. Loading it
// leaves "<its own file name>.loaded" beside it, holding the path of the
// program that loaded it, so a test can tell whether any process took it.
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

namespace {

constexpr DWORD kPathRoom = 32768;

// Static: the loader lock is held here, so nothing is allocated.
wchar_t g_marker[kPathRoom + 16];
wchar_t g_loader[kPathRoom];

void LeaveMarker(HMODULE self) {
    const DWORD n = GetModuleFileNameW(self, g_marker, kPathRoom);
    if (n == 0 || n >= kPathRoom) return;
    lstrcpyW(g_marker + n, L".loaded");
    const DWORD loaderChars = GetModuleFileNameW(nullptr, g_loader, kPathRoom);
    HANDLE file = CreateFileW(g_marker, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (loaderChars > 0 && loaderChars < kPathRoom) {
        WriteFile(file, g_loader, loaderChars * sizeof(wchar_t), &written, nullptr);
    }
    CloseHandle(file);
}

}  // namespace

// Succeeds, as a real attack would, so the program would go on running with it.
extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) LeaveMarker(self);
    return TRUE;
}
