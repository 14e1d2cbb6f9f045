// Loaded into the program under test by a hook the driver sets on its
// window thread (MessageCount in Driver.h): counts the messages of one kind
// that the thread takes from its queue, in memory the driver shares with
// it, named after the program's process.
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <cwchar>

namespace {

struct Counted {
    UINT message;
    LONG count;
};

Counted* g_counted = nullptr;

Counted* Shared() {
    if (g_counted) return g_counted;
    wchar_t name[64];
    swprintf(name, 64, L"Local\\FortuvaE2EMessages-%lu", GetCurrentProcessId());
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
    if (!mapping) return nullptr;
    g_counted = static_cast<Counted*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Counted)));
    // The view keeps the memory for the life of the process.
    CloseHandle(mapping);
    return g_counted;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK CountMessages(int code, WPARAM removed, LPARAM message) {
    if (code == HC_ACTION && removed == PM_REMOVE) {
        Counted* counted = Shared();
        if (counted && reinterpret_cast<const MSG*>(message)->message == counted->message)
            InterlockedIncrement(&counted->count);
    }
    return CallNextHookEx(nullptr, code, removed, message);
}
