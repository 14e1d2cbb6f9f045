#include "Driver.h"

#include <oleacc.h>
#include <winternl.h>

#include <stdexcept>
#include <vector>

namespace fortuva::e2e {

namespace {

// A hung program must fail the test, not hang it.
constexpr UINT kSendTimeoutMs = 5000;

// Takes the system's error code before anything can overwrite it.
[[noreturn]] void Fail(const char* what, const std::wstring& path = L"") {
    const DWORD error = GetLastError();
    std::string message = what;
    if (!path.empty()) message += " " + Utf8(path);
    throw std::runtime_error(message + " (error " + std::to_string(error) + ")");
}

std::wstring WithBackslash(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder;
}

std::wstring FileNameOf(const std::wstring& path) {
    const auto cut = path.find_last_of(L"\\/");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

bool SameClass(HWND window, const std::wstring& className) {
    return lstrcmpiW(ClassOf(window).c_str(), className.c_str()) == 0;
}

// The caption as the system holds it; never sends a message, so a busy
// program cannot stall the search.
std::wstring CaptionOf(HWND window) {
    std::vector<wchar_t> buffer(1024);
    const int n = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), n > 0 ? n : 0);
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + L"\\");
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

// Window enumeration with a closure; `visit` returns false to stop.
using Visitor = std::function<bool(HWND)>;

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    return (*reinterpret_cast<Visitor*>(param))(window) ? TRUE : FALSE;
}

void ForEachTopLevel(Visitor visit) {
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&visit));
}

void ForEachDescendant(HWND parent, Visitor visit) {
    EnumChildWindows(parent, Visit, reinterpret_cast<LPARAM>(&visit));
}

POINT ToScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, Millis timeout, Millis interval) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(static_cast<DWORD>(interval.count()));
    }
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

// ---- Files -------------------------------------------------------------

std::wstring HostPath(std::wstring path) {
    if (path.empty() || path.front() != L'/') return path;
    for (auto& c : path) {
        if (c == L'/') c = L'\\';
    }
    return L"Z:" + path;
}

std::wstring FortuvaExePath() {
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetEnvironmentVariableW(L"FORTUVA_EXE", buffer.data(),
                                            static_cast<DWORD>(buffer.size()));
    if (n == 0 || n >= buffer.size()) {
        throw std::runtime_error("FORTUVA_EXE is not set to the path of Fortuva.exe");
    }
    const std::wstring path = HostPath(std::wstring(buffer.data(), n));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        throw std::runtime_error("FORTUVA_EXE names no file: " + Utf8(path));
    }
    return path;
}

std::wstring TestData(const std::wstring& relative) {
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0 || n >= buffer.size()) Fail("cannot read the test program's own path");
    const std::wstring self(buffer.data(), n);
    return self.substr(0, self.find_last_of(L"\\/") + 1) + relative;
}

int CurrentYear() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
}

std::wstring YearFileName() {
    return std::to_wstring(CurrentYear()) + L".txt";
}

TempFolder::TempFolder() {
    std::vector<wchar_t> base(MAX_PATH + 1);
    const DWORD n = GetTempPathW(static_cast<DWORD>(base.size()), base.data());
    if (n == 0 || n > base.size()) Fail("no temporary folder");
    const std::wstring root = WithBackslash(std::wstring(base.data(), n));
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::wstring candidate = root + L"fortuva-e2e-" +
                                       std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(GetTickCount()) + L"-" +
                                       std::to_wstring(++counter);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = candidate + L"\\";
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) Fail("cannot create", candidate);
    }
    Fail("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

void TempFolder::Write(const std::wstring& name, const std::string& bytes) const {
    const std::wstring path = File(name);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Fail("cannot create", path);
    DWORD written = 0;
    const BOOL ok = bytes.empty() ||
                    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok || written != bytes.size()) {
        SetLastError(error);
        Fail("cannot write", path);
    }
}

void TempFolder::CopyIn(const std::wstring& source, const std::wstring& name) const {
    const std::wstring target = File(name.empty() ? FileNameOf(source) : name);
    if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
        Fail("cannot copy", source + L" -> " + target);
    }
}

// ---- The program under test -------------------------------------------

AppUnderTest::AppUnderTest(const std::wstring& programFolder, const std::wstring& workingFolder,
                           const std::wstring& exeName) {
    if (workingFolder.empty()) {
        ownWorkingFolder_ = std::make_unique<TempFolder>();
        workingFolder_ = ownWorkingFolder_->Path();
    } else {
        workingFolder_ = WithBackslash(workingFolder);
    }
    const std::wstring exe = WithBackslash(programFolder) + exeName;
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder_.c_str(), &startup, &started)) {
        Fail("cannot start", exe);
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    pid_ = started.dwProcessId;
}

AppUnderTest::~AppUnderTest() {
    if (Running()) {
        TerminateProcess(process_, 1);
    }
    // Its files must be free before the folders go.
    WaitForSingleObject(process_, 10000);
    CloseHandle(process_);
}

bool AppUnderTest::Running() const {
    return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool AppUnderTest::WaitForExit(Millis timeout) const {
    return WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD AppUnderTest::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

HWND AppUnderTest::PassNotice(Millis timeout) const {
    HWND notice = WaitForBox(L"情報", timeout);
    if (!notice || !ClickOk(notice, timeout)) return nullptr;
    return MainWindow(timeout);
}

HWND AppUnderTest::MainWindow(Millis timeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindWindowOf(pid_, L"TMainForm");
            return found != nullptr || !Running();
        },
        timeout);
    return found;
}

HWND AppUnderTest::WaitForBox(const std::wstring& title, Millis timeout) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindWindowOf(pid_, L"#32770", title);
            return found != nullptr || !Running();
        },
        timeout);
    return found;
}

HWND AppUnderTest::Focus() const {
    DWORD thread = 0;
    ForEachTopLevel([&](HWND window) {
        DWORD pid = 0;
        const DWORD owner = GetWindowThreadProcessId(window, &pid);
        if (pid != pid_) return true;
        thread = owner;
        return false;
    });
    return thread ? FocusOfThread(thread) : nullptr;
}

void AppUnderTest::Close() const {
    if (HWND main = FindWindowOf(pid_, L"TMainForm")) {
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
}

bool AppUnderTest::MoveToMonitor(HWND window, int dpi, const RECT& suggested) const {
    // The message carries a pointer, which Wine passes on as it is: the
    // rectangle must lie at that address in the program's memory.
    void* remote = VirtualAllocEx(process_, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) Fail("cannot place the rectangle in the program's memory");
    DWORD_PTR ignored = 0;
    const bool handled = WriteProcessMemory(process_, remote, &suggested, sizeof suggested, nullptr) &&
                         SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                                             reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                                             &ignored);
    VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
    return handled;
}

bool AppUnderTest::AskScaledSize(HWND window, int dpi, SIZE& pending) const {
    // A pointer again, to memory of the program's.
    void* remote = VirtualAllocEx(process_, nullptr, sizeof pending, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) Fail("cannot place the size in the program's memory");
    DWORD_PTR answered = FALSE;
    const bool asked = WriteProcessMemory(process_, remote, &pending, sizeof pending, nullptr) &&
                       SendMessageTimeoutW(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(remote),
                                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &answered) &&
                       ReadProcessMemory(process_, remote, &pending, sizeof pending, nullptr);
    VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
    if (!asked) Fail("the program did not answer for its size at another resolution");
    return answered != FALSE;
}

namespace {

// An entry of the GDI handle table, laid out as Windows lays it out and
// Wine copies it; Type is 0 for a free entry.
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr UCHAR kGdiBitmap = 0x09;
constexpr UCHAR kGdiFont = 0x0a;
constexpr std::size_t kGdiHandleCount = 0x10000;

// The process block's pointer to the GDI handle table, which Wine keeps
// for each process on its own.
constexpr std::size_t kGdiTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;

DWORD FontsAndBitmapsUnderWine(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG got = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &got) != 0)
        Fail("cannot find the program's process block");
    void* table = nullptr;
    std::vector<GdiHandleEntry> entries(kGdiHandleCount);
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kGdiTableInPeb, &table,
                           sizeof table, nullptr) ||
        !table ||
        !ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry), nullptr))
        Fail("cannot read the program's GDI handle table");
    DWORD held = 0;
    for (const GdiHandleEntry& entry : entries)
        if (entry.type == kGdiBitmap || entry.type == kGdiFont) ++held;
    return held;
}

}  // namespace

AppUnderTest::GuiObjects AppUnderTest::GuiObjectCounts() const {
    const GuiObjects counted{GetGuiResources(process_, GR_GDIOBJECTS), GetGuiResources(process_, GR_USEROBJECTS)};
    if (counted.gdi || counted.user) return counted;
    return {FontsAndBitmapsUnderWine(process_), 0};
}

MessageCount::MessageCount(const AppUnderTest& app, HWND anyWindowOfThread, UINT message) {
    const std::wstring name = L"Local\\FortuvaE2EMessages-" + std::to_wstring(app.ProcessId());
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Counted), name.c_str());
    if (!mapping_) Fail("cannot share memory with the program");
    counted_ = static_cast<Counted*>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(Counted)));
    if (!counted_) Fail("cannot map the memory shared with the program");
    counted_->message = message;
    counted_->count = 0;
    const std::wstring library = TestData(L"hooks\\message-counter.dll");
    module_ = LoadLibraryW(library.c_str());
    if (!module_) Fail("cannot load", library);
    const auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module_, "CountMessages")));
    if (!hook) Fail("no CountMessages in", library);
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, hook, module_, GetWindowThreadProcessId(anyWindowOfThread, nullptr));
    if (!hook_) Fail("cannot hook the program's window thread");
}

MessageCount::~MessageCount() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (module_) FreeLibrary(module_);
    if (counted_) UnmapViewOfFile(counted_);
    if (mapping_) CloseHandle(mapping_);
}

LONG MessageCount::Count() const { return InterlockedCompareExchange(&counted_->count, 0, 0); }

// ---- Windows -----------------------------------------------------------

HWND FindWindowOf(DWORD pid, const std::wstring& className, const std::wstring& title) {
    HWND found = nullptr;
    ForEachTopLevel([&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != pid || !IsWindowVisible(window) || !SameClass(window, className)) return true;
        if (!title.empty() && CaptionOf(window) != title) return true;
        found = window;
        return false;
    });
    return found;
}

HWND WaitForWindow(DWORD pid, const std::wstring& className, Millis timeout) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(pid, className)) != nullptr; }, timeout);
    return found;
}

HWND WaitForMessageBox(DWORD pid, const std::wstring& title, Millis timeout) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(pid, L"#32770", title)) != nullptr; }, timeout);
    return found;
}

bool WaitForGone(HWND window, Millis timeout) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int n = GetClassNameW(window, name, 256);
    return std::wstring(name, n > 0 ? n : 0);
}

std::wstring Text(HWND window) {
    if (!IsWindow(window)) throw std::runtime_error("Text: no such window");
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length)) {
        Fail("Text: the window does not answer WM_GETTEXTLENGTH");
    }
    // Room for a text that grew meanwhile; WM_GETTEXT says how much it wrote.
    std::vector<wchar_t> buffer(length + 64);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied)) {
        Fail("Text: the window does not answer WM_GETTEXT");
    }
    return std::wstring(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
}

void SetText(HWND window, const std::wstring& text) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
        Fail("SetText: the window does not answer WM_SETTEXT");
    }
}

std::wstring MessageBoxText(HWND box) {
    // The message is a Static with the ID 0xFFFF; the icon is a Static too.
    HWND text = nullptr;
    HWND anyStatic = nullptr;
    ForEachDescendant(box, [&](HWND child) {
        if (!SameClass(child, L"Static")) return true;
        const int id = GetDlgCtrlID(child);
        if (id == 0xFFFF || id == -1) {
            text = child;
            return false;
        }
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON && !anyStatic) {
            anyStatic = child;
        }
        return true;
    });
    if (!text) text = anyStatic;
    if (!text) throw std::runtime_error("MessageBoxText: the box has no text");
    return Text(text);
}

HWND Control(HWND parent, int id) {
    if (HWND direct = GetDlgItem(parent, id)) return direct;
    HWND found = nullptr;
    ForEachDescendant(parent, [&](HWND child) {  // inside panels and groups too
        if (GetDlgCtrlID(child) != id) return true;
        found = child;
        return false;
    });
    return found;
}

bool IsEnabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

bool IsVisible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

bool ClickButton(HWND dialog, int id, Millis timeout) {
    if (HWND button = GetDlgItem(dialog, id)) {
        // Posted, so a click that opens another dialog cannot block us.
        PostMessageW(button, BM_CLICK, 0, 0);
    } else {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    return WaitForGone(dialog, timeout);
}

bool TypeChars(HWND edit, const std::wstring& text, Millis timeout) {
    if (!IsWindowEnabled(edit)) return false;
    // A harmless change posted behind the keystrokes shows when they have
    // all been handled: the edit's length limit moves by one, and back.
    DWORD_PTR limit = 0;
    if (!SendMessageTimeoutW(edit, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &limit)) {
        Fail("TypeChars: the edit does not answer");
    }
    const DWORD_PTR marker = limit >= 0x7FFFFFFE ? limit - 1 : limit + 1;
    for (const wchar_t c : text) {
        PostMessageW(edit, WM_CHAR, c, 1);
    }
    PostMessageW(edit, EM_SETLIMITTEXT, marker, 0);
    const bool done = WaitUntil(
        [&] {
            DWORD_PTR now = 0;
            return !IsWindow(edit) ||
                   (SendMessageTimeoutW(edit, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG,
                                        kSendTimeoutMs, &now) &&
                    now == marker);
        },
        timeout, Millis{5});
    if (IsWindow(edit)) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(edit, EM_SETLIMITTEXT, limit, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                            &ignored);
    }
    return done;
}

void PressKey(HWND window, WORD key, bool ctrl) {
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    std::vector<INPUT> inputs;
    auto add = [&](WORD code, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (ctrl) add(VK_CONTROL, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (ctrl) add(VK_CONTROL, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Activate(HWND window) {
    INPUT nothing{};
    nothing.type = INPUT_MOUSE;
    nothing.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &nothing, sizeof nothing);
    SetForegroundWindow(window);
}

OtherProgram::OtherProgram() {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    done_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!ready_ || !done_) Fail("cannot create the other program's events");
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (!thread_) Fail("cannot start the other program's thread");
    WaitForSingleObject(ready_, INFINITE);
    if (!window_) Fail("cannot create the other program's window");
}

OtherProgram::~OtherProgram() {
    SetEvent(done_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(done_);
    CloseHandle(ready_);
}

DWORD WINAPI OtherProgram::Run(void* self) {
    auto& other = *static_cast<OtherProgram*>(self);
    other.window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"Static", L"", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    if (other.window_) ShowWindow(other.window_, SW_SHOWNOACTIVATE);
    SetEvent(other.ready_);
    WaitForSingleObject(other.done_, INFINITE);
    if (other.window_) DestroyWindow(other.window_);
    return 0;
}

bool OtherProgram::SwitchTo(DWORD left) {
    Activate(window_);
    return WaitUntil([&] { return !ActiveOfThread(left) && !FocusOfThread(left); });
}

HWND FocusOf(HWND anyWindowOfThread) {
    return FocusOfThread(GetWindowThreadProcessId(anyWindowOfThread, nullptr));
}

HWND FocusOfThread(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndFocus;
}

HWND ActiveOfThread(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndActive;
}

RECT ClientRectOnParent(HWND control, HWND reference) {
    RECT rect{};
    GetWindowRect(control, &rect);
    HWND on = reference ? reference : GetParent(control);
    MapWindowPoints(HWND_DESKTOP, on, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

COLORREF PixelAt(HWND window, int x, int y) {
    const POINT point = ToScreen(window, x, y);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

COLORREF BackgroundOf(HWND control) {
    const SIZE size = ClientSize(control);
    return PixelAt(control, size.cx - 4, size.cy / 2);
}

std::set<COLORREF> ColoursDrawnIn(HWND control) {
    const SIZE size = ClientSize(control);
    return ColoursDrawnIn(control, RECT{0, 0, size.cx, size.cy});
}

std::set<COLORREF> ColoursDrawnIn(HWND control, const RECT& area) {
    const SIZE size{area.right - area.left, area.bottom - area.top};
    std::set<COLORREF> colours;
    if (size.cx <= 0 || size.cy <= 0) return colours;
    const POINT origin = ToScreen(control, area.left, area.top);
    // One copy of the area, not a question to the screen per pixel.
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(copy, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) Fail("cannot make a bitmap for the screen copy");
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(copy, old);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);

    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    RECT caret{};
    if (GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &thread) && thread.hwndCaret == control) {
        caret = thread.rcCaret;
        InflateRect(&caret, 1, 1);
        OffsetRect(&caret, -area.left, -area.top);
    }
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            if (PtInRect(&caret, POINT{x, y})) continue;
            const DWORD bgr = pixels[static_cast<std::size_t>(y) * size.cx + x];
            colours.insert(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
        }
    }
    DeleteObject(bitmap);
    return colours;
}

namespace {

// Where the colours of before wait while a test has changed them.
std::wstring LeftoverColoursFile() {
    std::vector<wchar_t> folder(MAX_PATH + 1);
    const DWORD n = GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    if (n == 0 || n >= folder.size()) Fail("no temporary folder");
    return std::wstring(folder.data(), n) + L"fortuva-e2e-colours.bin";
}

void SetColours(const std::vector<int>& elements, const std::vector<COLORREF>& colours) {
    if (!SetSysColors(static_cast<int>(elements.size()), elements.data(), colours.data()))
        Fail("cannot set the system colours");
}

// A run stopped at its console (Ctrl+C, Ctrl+Break, the window closed) ends
// without unwinding; the colours of before are put back on the way.
BOOL WINAPI RestoreColoursOnStop(DWORD) {
    try {
        RestoreLeftoverColours();
    } catch (...) {
    }
    return FALSE;  // the run then ends as it would have
}

}  // namespace

SystemColours::SystemColours(const std::vector<std::pair<int, COLORREF>>& colours) {
    std::vector<COLORREF> wanted;
    for (const auto& [element, colour] : colours) {
        elements_.push_back(element);
        before_.push_back(GetSysColor(element));
        wanted.push_back(colour);
    }
    // Element and colour, one pair after another.
    std::vector<DWORD> record;
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        record.push_back(static_cast<DWORD>(elements_[i]));
        record.push_back(before_[i]);
    }
    const std::wstring path = LeftoverColoursFile();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Fail("cannot create", path);
    DWORD written = 0;
    const DWORD bytes = static_cast<DWORD>(record.size() * sizeof(DWORD));
    const bool saved = WriteFile(file, record.data(), bytes, &written, nullptr) && written == bytes;
    CloseHandle(file);
    if (!saved) Fail("cannot write", path);
    SetConsoleCtrlHandler(RestoreColoursOnStop, TRUE);
    SetColours(elements_, wanted);
}

SystemColours::~SystemColours() {
    if (SetSysColors(static_cast<int>(elements_.size()), elements_.data(), before_.data()))
        DeleteFileW(LeftoverColoursFile().c_str());
    SetConsoleCtrlHandler(RestoreColoursOnStop, FALSE);
}

void RestoreLeftoverColours() {
    const std::wstring path = LeftoverColoursFile();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::vector<DWORD> record(2 * 64);
    DWORD read = 0;
    const bool whole = ReadFile(file, record.data(), static_cast<DWORD>(record.size() * sizeof(DWORD)), &read, nullptr);
    CloseHandle(file);
    if (!whole) Fail("cannot read", path);
    std::vector<int> elements;
    std::vector<COLORREF> colours;
    for (std::size_t i = 0; i + 1 < read / sizeof(DWORD); i += 2) {
        elements.push_back(static_cast<int>(record[i]));
        colours.push_back(record[i + 1]);
    }
    if (!elements.empty()) SetColours(elements, colours);
    DeleteFileW(path.c_str());
}

void ClickAt(HWND window, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageW(window, WM_MOUSEMOVE, 0, at);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

void Click(HWND window) {
    const SIZE size = ClientSize(window);
    ClickAt(window, size.cx / 2, size.cy / 2);
}

void MovePointerTo(HWND window, int x, int y) {
    const POINT point = ToScreen(window, x, y);
    SetCursorPos(point.x, point.y);
}

// ---- Accessibility ---------------------------------------------------

namespace {

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

IAccessible* ObjectOf(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

// A text the object gives out, or "(none)" when it gives none.
std::wstring Given(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*)) {
    BSTR text = nullptr;
    const HRESULT result = (object->*property)(Self(), &text);
    std::wstring given = result == S_OK && text ? std::wstring(text, SysStringLen(text)) : L"(none)";
    SysFreeString(text);
    return given;
}

}  // namespace

Accessible ReadAccessible(HWND control) {
    Accessible read;
    IAccessible* object = ObjectOf(control);
    if (!object) return read;
    read.name = Given(object, &IAccessible::get_accName);
    read.value = Given(object, &IAccessible::get_accValue);
    read.defaultAction = Given(object, &IAccessible::get_accDefaultAction);
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(object->get_accRole(Self(), &role)) && role.vt == VT_I4) read.role = role.lVal;
    VariantClear(&role);
    object->Release();
    return read;
}

bool DoDefaultAction(HWND control) {
    IAccessible* object = ObjectOf(control);
    if (!object) return false;
    const bool done = SUCCEEDED(object->accDoDefaultAction(Self()));
    object->Release();
    return done;
}

}  // namespace fortuva::e2e
