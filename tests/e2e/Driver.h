// Drives the real Fortuva.exe from another process, as a user would: finds its
// windows, reads their texts, answers its dialogs, types and clicks. Runs on
// Windows and under Wine. Failures to set up (no program, no folder) throw
// std::runtime_error; waits return an empty result on timeout so the test can
// say what it expected.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fortuva::e2e {

using Millis = std::chrono::milliseconds;
constexpr Millis kDefaultTimeout{10000};

// Polls `done` until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& done, Millis timeout = kDefaultTimeout,
               Millis interval = Millis{20});

// ---- Files -------------------------------------------------------------

// A Unix path as the program under Wine sees it (Wine shows / as drive Z:);
// a Windows path stays as it is.
std::wstring HostPath(std::wstring path);

// The Fortuva.exe under test, from the environment variable FORTUVA_EXE
// (a Windows path, or a Unix path which Wine maps to drive Z:).
std::wstring FortuvaExePath();

// A file the tests bring along, by its path below the folder of the test
// program (e.g. L"voice\\clip4.wav"): the build folder, or the test kit
// wherever it was unpacked.
std::wstring TestData(const std::wstring& relative);

// The local year as the program reads it, and the name of its year file.
int CurrentYear();
std::wstring YearFileName();  // e.g. L"2026.txt"

// A fresh folder under the temporary folder, removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }  // ends with a backslash
    std::wstring File(const std::wstring& name) const { return path_ + name; }

    // Writes the bytes as they are (the program reads code page 932 text).
    void Write(const std::wstring& name, const std::string& bytes) const;
    // Copies a file in, under its own name unless another is given.
    void CopyIn(const std::wstring& source, const std::wstring& name = L"") const;

private:
    std::wstring path_;
};

// ---- The program under test -------------------------------------------

// Starts `exeName` from `programFolder` with a working folder elsewhere (a
// private empty one unless given), so a file found by the program can only
// have come from its own folder. Ends the program, if still running, when
// destroyed. Declare it after the TempFolder holding the program.
class AppUnderTest {
public:
    explicit AppUnderTest(const std::wstring& programFolder,
                          const std::wstring& workingFolder = L"",
                          const std::wstring& exeName = L"Fortuva.exe");
    ~AppUnderTest();
    AppUnderTest(const AppUnderTest&) = delete;
    AppUnderTest& operator=(const AppUnderTest&) = delete;

    DWORD ProcessId() const { return pid_; }
    HANDLE Process() const { return process_; }
    const std::wstring& WorkingFolder() const { return workingFolder_; }
    bool Running() const;
    // Waits for the program to end; false if it is still running.
    bool WaitForExit(Millis timeout = kDefaultTimeout) const;
    DWORD ExitCode() const;  // STILL_ACTIVE while running

    // Answers the start-up notice with OK and returns the main window, or
    // nullptr when either does not appear.
    HWND PassNotice(Millis timeout = kDefaultTimeout) const;
    // The visible main window (class TMainForm), or nullptr.
    HWND MainWindow(Millis timeout = kDefaultTimeout) const;
    // A visible message box of the program, with this title unless empty.
    HWND WaitForBox(const std::wstring& title = L"", Millis timeout = kDefaultTimeout) const;
    // The control with the keyboard focus in the program's window thread.
    HWND Focus() const;
    // Asks the main window to close, as its close button does.
    void Close() const;
    // Tells a window of the program that it now stands on a monitor of this
    // resolution, as Windows does when it is moved to one, with the
    // rectangle Windows suggests for it there; true once it has been handled.
    bool MoveToMonitor(HWND window, int dpi, const RECT& suggested) const;
    // Asks a window of the program, as Windows does before it moves the
    // window to a monitor of another resolution, what size it takes there;
    // `pending` is the size Windows would give it. False when the window
    // leaves the size to Windows.
    bool AskScaledSize(HWND window, int dpi, SIZE& pending) const;

    // The GDI and USER objects the program holds, as Windows counts them
    // (GetGuiResources). Wine keeps no such count: there `gdi` is the
    // program's fonts and bitmaps (every icon holds bitmaps), counted in the
    // GDI handle table its process block points at, and `user` is 0.
    struct GuiObjects {
        DWORD gdi;
        DWORD user;
    };
    GuiObjects GuiObjectCounts() const;

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    std::wstring workingFolder_;
    std::unique_ptr<TempFolder> ownWorkingFolder_;
};

// Counts the messages of one kind that the program's window thread takes
// from its queue, through a hook the program loads from hooks/ beside the
// test program. Counting starts with the thread's next message.
class MessageCount {
public:
    MessageCount(const AppUnderTest& app, HWND anyWindowOfThread, UINT message);
    ~MessageCount();
    MessageCount(const MessageCount&) = delete;
    MessageCount& operator=(const MessageCount&) = delete;

    LONG Count() const;

private:
    struct Counted {
        UINT message;
        LONG count;
    };
    HANDLE mapping_ = nullptr;
    Counted* counted_ = nullptr;
    HMODULE module_ = nullptr;
    HHOOK hook_ = nullptr;
};

// ---- Windows -----------------------------------------------------------

// A visible top-level window of the process with this class, or nullptr.
HWND FindWindowOf(DWORD pid, const std::wstring& className, const std::wstring& title = L"");
HWND WaitForWindow(DWORD pid, const std::wstring& className, Millis timeout = kDefaultTimeout);
// A visible message box (class #32770) of the process, with this title
// unless empty.
HWND WaitForMessageBox(DWORD pid, const std::wstring& title = L"",
                       Millis timeout = kDefaultTimeout);
// Waits until the window no longer exists or is hidden.
bool WaitForGone(HWND window, Millis timeout = kDefaultTimeout);

std::wstring ClassOf(HWND window);
// The window's text through WM_GETTEXT, so edit contents are read too.
// Throws when the window is gone or its thread does not answer.
std::wstring Text(HWND window);
// Sets the text through WM_SETTEXT (e.g. the file name field of a file dialog).
void SetText(HWND window, const std::wstring& text);
// The message of a message box (its Static text, not the icon).
std::wstring MessageBoxText(HWND box);

// The descendant with this control ID (inside panels and groups too).
HWND Control(HWND parent, int id);

bool IsEnabled(HWND window);
bool IsVisible(HWND window);

// Clicks a dialog's button (OK by default) and waits until the dialog has
// gone; false if it is still there.
bool ClickButton(HWND dialog, int id, Millis timeout = kDefaultTimeout);
inline bool ClickOk(HWND box, Millis timeout = kDefaultTimeout) { return ClickButton(box, IDOK, timeout); }

// Types into an edit as keystrokes (WM_CHAR each) and waits until the
// program has taken them all, including whatever they set off up to its next
// wait for input or its next dialog. A disabled edit takes no keystrokes, as
// for a user: returns false and types nothing.
bool TypeChars(HWND edit, const std::wstring& text, Millis timeout = kDefaultTimeout);

// Presses and releases a key on the keyboard, with Ctrl held when asked.
// The window's top-level window is brought to the foreground first, so the
// key reaches the control of its thread that has the keyboard focus.
void PressKey(HWND window, WORD key, bool ctrl = false);

// Brings a window to the foreground, as switching to it does. Windows lets
// only the process that gave the last input do so: a pointer move of
// nothing is given first.
void Activate(HWND window);

// A window of another program, as far as the program under test can tell:
// a small top-level window of a thread of the driver's, to switch to. The
// thread is busy: it never gets round to its window's messages, so the
// window takes the foreground but never the keyboard focus. Under Wine a
// window that takes the focus takes the X server's focus too, and the X
// server goes by each process's own reckoning of its time: a program that
// asks for the focus back soon after, with a clock that runs behind, is
// refused, and Wine then hands the foreground to nobody.
class OtherProgram {
public:
    OtherProgram();
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Switches to it and waits until the switch has come through to the
    // program under test, whose window thread is `left`: it has neither an
    // active window nor the keyboard focus any more. False when that does
    // not happen.
    bool SwitchTo(DWORD left);

private:
    static DWORD WINAPI Run(void* self);

    HANDLE ready_ = nullptr;
    HANDLE done_ = nullptr;
    HANDLE thread_ = nullptr;
    HWND window_ = nullptr;
};

// The keyboard focus of the thread that owns the window, or of a thread.
HWND FocusOf(HWND anyWindowOfThread);
HWND FocusOfThread(DWORD threadId);
// The active window of a thread.
HWND ActiveOfThread(DWORD threadId);

// Position of the control in its parent's client area (left, top, right,
// bottom), or in the client area of `reference` when given.
RECT ClientRectOnParent(HWND control, HWND reference = nullptr);
SIZE ClientSize(HWND window);

// Screen colour at a point of the window's client area, as drawn on screen.
COLORREF PixelAt(HWND window, int x, int y);

// The background colour of a control as drawn, read inside its right edge,
// clear of left-aligned text.
COLORREF BackgroundOf(HWND control);

// Every colour drawn on screen in the control's client area, or in a part
// of it, the caret (which blinks) left out.
std::set<COLORREF> ColoursDrawnIn(HWND control);
std::set<COLORREF> ColoursDrawnIn(HWND control, const RECT& area);

// Sets system colours, with which every program of the session then draws,
// and puts the earlier ones back when destroyed, or when the run is stopped
// at its console (Ctrl+C, its window closed). Until then the earlier ones
// also wait in a file under the temporary folder, so that a run which dies
// on the way (they outlive it under Wine) leaves them to
// RestoreLeftoverColours, which every later run calls at its start.
class SystemColours {
public:
    explicit SystemColours(const std::vector<std::pair<int, COLORREF>>& colours);
    ~SystemColours();
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

private:
    std::vector<int> elements_;
    std::vector<COLORREF> before_;
};

// Puts back the colours a run that died left set; does nothing otherwise.
void RestoreLeftoverColours();

// A left click at a point of the window's client area (button down and up
// messages); a click in the middle when no point is given.
void ClickAt(HWND window, int x, int y);
void Click(HWND window);
// Puts the mouse pointer on a point of the window's client area.
void MovePointerTo(HWND window, int x, int y);

// UTF-8 for messages of failed assertions.
std::string Utf8(const std::wstring& text);

// ---- Accessibility -----------------------------------------------------
// Read through the platform's accessibility interface, as a screen reader
// reads; the calling thread must have entered a COM apartment.

// What a screen reader learns of a control through the platform's
// accessibility interface.
struct Accessible {
    std::wstring name;
    std::wstring value;
    std::wstring defaultAction;
    LONG role = 0;
};

Accessible ReadAccessible(HWND control);
// Runs the control's default action; false when it has no accessible object.
bool DoDefaultAction(HWND control);

}  // namespace fortuva::e2e
