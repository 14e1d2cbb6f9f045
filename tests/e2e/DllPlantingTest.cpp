// Libraries planted beside Fortuva.exe (where wave files and downloads land)
// or in its working folder must never be loaded: stand-ins named as the
// libraries the program takes at run time lie in both folders while the
// program is used, and each would leave a marker file if any process loaded
// it.
//
// Wine, unlike Windows, puts its own built-in library in place of a planted
// file with a system library's name, so the stand-in's code would never run
// and a careless program would go unnoticed. Under Wine the planted files
// are therefore marked for native loading, by their full paths only, and
// the test first shows that loading one by its path does leave the marker.
// One exception: Wine's own user32 imports version.dll and looks for it in
// the program's folder before the program runs (Windows' user32 takes its
// libraries from the system folder only). That one is planted but, under
// Wine, left to Wine's built-in code and not watched.
// ole32 and oleaut32, which the program also loads for screen readers, are
// not planted: Windows takes them from the system folder whatever a folder
// holds, and under Wine, stand-ins marked for native loading stopped the
// program at its first check, long before it loads them itself.

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {
namespace {

const wchar_t* const kPlanted[] = {L"winmm", L"version", L"comctl32", L"comdlg32", L"shell32", L"oleacc"};
constexpr wchar_t kWineOverrides[] = L"Software\\Wine\\DllOverrides";

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring FakeDllFolder() {
    return TestData(L"fake-dlls\\");
}

// The folder as the loader spells it, so that paths compare and the
// overrides below match.
std::wstring LongPath(const std::wstring& folder) {
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetLongPathNameW(folder.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    return n > 0 && n < buffer.size() ? std::wstring(buffer.data(), n) : folder;
}

bool UnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

void Plant(const TempFolder& folder) {
    for (const wchar_t* name : kPlanted) folder.CopyIn(FakeDllFolder() + name + L".dll");
}

// The planted files whose loading the test can see: all of them on Windows.
std::vector<std::wstring> Watched(const std::wstring& programFolder, const std::wstring& workingFolder) {
    std::vector<std::wstring> paths;
    for (const std::wstring& folder : {programFolder, workingFolder}) {
        for (const wchar_t* name : kPlanted) {
            if (UnderWine() && folder == programFolder && name == std::wstring(L"version")) continue;
            paths.push_back(folder + name + L".dll");
        }
    }
    return paths;
}

// Under Wine, makes the loader take each watched file as it is rather than
// its own built-in library of that name; only these paths are affected, and
// only until the end of the test. Nothing to do on Windows.
class PreferPlanted {
public:
    explicit PreferPlanted(const std::vector<std::wstring>& paths) {
        if (!UnderWine()) return;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kWineOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        static const wchar_t kNative[] = L"native";
        for (const std::wstring& path : paths) {
            const std::wstring value = path.substr(0, path.size() - 4);  // a full path, without ".dll"
            if (RegSetValueExW(key_, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kNative),
                               sizeof kNative) == ERROR_SUCCESS) {
                values_.push_back(value);
            }
        }
    }
    ~PreferPlanted() {
        if (!key_) return;
        for (const std::wstring& value : values_) RegDeleteValueW(key_, value.c_str());
        RegCloseKey(key_);
    }
    PreferPlanted(const PreferPlanted&) = delete;
    PreferPlanted& operator=(const PreferPlanted&) = delete;

private:
    HKEY key_ = nullptr;
    std::vector<std::wstring> values_;
};

struct Marker {
    std::wstring file;
    std::wstring loader;  // the program that loaded the planted library
};

std::vector<Marker> Markers(const std::wstring& folder) {
    std::vector<Marker> found;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"*.loaded").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        Marker marker{folder + entry.cFileName, L""};
        HANDLE file = CreateFileW(marker.file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            std::vector<wchar_t> text(32768);
            DWORD read = 0;
            ReadFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
            marker.loader.assign(text.data(), read / sizeof(wchar_t));
            CloseHandle(file);
        }
        found.push_back(marker);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

std::string Describe(const std::vector<Marker>& markers) {
    std::string text;
    for (const Marker& marker : markers) {
        text += "\n  " + Utf8(marker.file) + " (loaded by " + Utf8(marker.loader) + ")";
    }
    return text;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

// The stand-ins work where they lie: loaded by full path, each leaves its
// marker. Without this the real check could pass with broken stand-ins.
void ExpectEachIsLoadable(const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) {
        HMODULE module = LoadLibraryW(path.c_str());
        ASSERT_NE(module, nullptr) << Utf8(path) << " cannot be loaded (error " << GetLastError() << ")";
        FreeLibrary(module);
        const std::vector<Marker> markers = Markers(FolderOf(path));
        ASSERT_EQ(markers.size(), 1u) << "loading " << Utf8(path) << " left no single marker:" << Describe(markers);
        EXPECT_EQ(Lower(markers[0].file), Lower(path + L".loaded"));
        ASSERT_TRUE(DeleteFileW(markers[0].file.c_str())) << Utf8(markers[0].file);
    }
}

struct Module {
    std::wstring name;
    std::wstring path;
};

std::vector<Module> ModulesOf(DWORD pid) {
    std::vector<Module> modules;
    // A snapshot taken while the loader is busy may fail; it is retried.
    WaitUntil([&] {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
        if (snapshot == INVALID_HANDLE_VALUE) return false;
        MODULEENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry)) {
            modules.push_back({Lower(entry.szModule), Lower(entry.szExePath)});
        }
        CloseHandle(snapshot);
        return !modules.empty();
    });
    return modules;
}

// Starts, checks (every outcome, the confirmation too), speaks, opens the
// file dialog and cancels it, shows the about panel, and is read by a
// screen reader.
void UseEveryFeature(const AppUnderTest& app) {
    HWND main = app.PassNotice();
    ASSERT_NE(main, nullptr);
    HWND entry = Control(main, ids::Edit1);
    HWND result = Control(main, ids::Label2);
    ASSERT_TRUE(IsEnabled(entry));

    // All but the refusals speak.
    auto check = [&](const std::wstring& digits) {
        EXPECT_TRUE(TypeChars(entry, digits));
        return Text(result);
    };
    EXPECT_EQ(check(L"ab"), L"正数を入力して下さい");
    EXPECT_EQ(check(L"-5"), L"十の桁迄入力して下さい");
    EXPECT_EQ(check(L"99"), L"残念です\r\n次に期待しましょう");
    EXPECT_EQ(check(L"71"), L"四等が当たりました\r\nおめでとう御座います");
    ASSERT_EQ(FindWindowOf(app.ProcessId(), L"#32770"), nullptr) << "a box after a plain check";
    EXPECT_TRUE(TypeChars(entry, L"56"));
    HWND confirmation = app.WaitForBox(L"Fortuva");
    ASSERT_NE(confirmation, nullptr);
    EXPECT_EQ(MessageBoxText(confirmation), L"確認♪確認♪\r\n\r\n123456\r\n654321");
    ASSERT_TRUE(ClickOk(confirmation));
    EXPECT_NE(Text(result).find(L"一等かもしれません"), std::wstring::npos);

    Click(Control(main, ids::SpeedButton1));
    HWND dialog = app.WaitForBox(L"開く");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ClickButton(dialog, IDCANCEL));

    // The product label comes from the version resource.
    HWND panel = Control(main, ids::Panel2);
    Click(Control(main, ids::SpeedButton2));
    ASSERT_TRUE(WaitUntil([&] { return IsVisible(panel); }));
    EXPECT_NE(Text(Control(main, ids::L01)).find(L" Ver."), std::wstring::npos);
    ASSERT_TRUE(ClickButton(panel, ids::Button2));

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(ReadAccessible(Control(main, ids::SlotId(0))).name, L"一等 1");
    CoUninitialize();
}

TEST(DllPlanting, NoPlantedLibraryIsLoadedWhileTheProgramIsUsed) {
    TempFolder programFolder;
    TempFolder workingFolder;
    const std::wstring program = LongPath(programFolder.Path());
    const std::wstring working = LongPath(workingFolder.Path());
    programFolder.CopyIn(FortuvaExePath());
    programFolder.Write(YearFileName(), "123456\r\n654321\r\n4567\r\n0123\r\n3210\r\n05\r\n38\r\n71\r\n");
    Plant(programFolder);
    Plant(workingFolder);
    const std::vector<std::wstring> watched = Watched(program, working);
    PreferPlanted prefer(watched);
    ASSERT_NO_FATAL_FAILURE(ExpectEachIsLoadable(watched));

    {
        AppUnderTest app(programFolder.Path(), workingFolder.Path());
        UseEveryFeature(app);
        // Whatever went wrong above, what the program has loaded is examined.
        const std::vector<Module> modules = ModulesOf(app.ProcessId());
        EXPECT_FALSE(modules.empty()) << "the program's modules cannot be listed";
        for (const wchar_t* name : {L"winmm.dll", L"version.dll", L"comctl32.dll", L"comdlg32.dll", L"oleacc.dll",
                                    L"oleaut32.dll", L"ole32.dll"}) {
            EXPECT_TRUE(std::any_of(modules.begin(), modules.end(), [&](const Module& m) { return m.name == name; }))
                << Utf8(name) << " was never loaded, so its use was not tested";
        }
        const std::wstring itself = Lower(program + L"Fortuva.exe");
        const std::wstring leftToWine = UnderWine() ? Lower(program + L"version.dll") : L"";
        for (const Module& module : modules) {
            if (module.path == itself || module.path == leftToWine) continue;
            EXPECT_FALSE(module.path.rfind(Lower(program), 0) == 0 || module.path.rfind(Lower(working), 0) == 0)
                << "loaded from the program's own folders: " << Utf8(module.path);
        }
        app.Close();
        EXPECT_TRUE(app.WaitForExit());
    }

    const std::vector<Marker> beside = Markers(program);
    const std::vector<Marker> inWorkingFolder = Markers(working);
    EXPECT_TRUE(beside.empty()) << "planted beside the program and loaded:" << Describe(beside);
    EXPECT_TRUE(inWorkingFolder.empty()) << "planted in the working folder and loaded:" << Describe(inWorkingFolder);
}

}  // namespace
}  // namespace fortuva::e2e
