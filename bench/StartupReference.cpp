// The floor for the start-up figure: a Windows program that does no more
// than Fortuva's first step, a beep and one message box, so that what the
// two share (Wine starting a process, a message box appearing) cancels out.

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBeep(0);
    MessageBoxW(nullptr, L"Reference", L"Reference", MB_OK | MB_ICONINFORMATION);
    return 0;
}
