// Figures, not tests: how long a program takes from its process's creation
// to its first message box on the screen, set against other programs timed
// alike. Runs under Wine (or Windows).
//
//   fortuva_startup_bench RUNS PROGRAM REFERENCE...
//
// Starts them in turn, PROGRAM first and then each REFERENCE, RUNS times
// each after one start of each that is not counted, so that a slow spell of
// the machine falls on all of them alike; each time runs from just before
// CreateProcessW to the first visible top-level dialog window of the new
// process, which is then ended. Each program is named by its file name
// without ".exe". Prints one line per start and then one line of key=value
// pairs for scripts/bench.sh to collect: runs, NAME_median_ms of each, and
// NAME_ratio of each reference, PROGRAM's median over its.

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A run that has not shown its dialog by then has failed.
constexpr double kGiveUpSeconds = 30;

// A visible top-level dialog window of the process, or null. Asks only for
// the dialog windows: under Wine every question about another process's
// window goes through the server that the started program also waits on.
HWND VisibleDialogOf(DWORD process) {
    for (HWND hwnd = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); hwnd;
         hwnd = FindWindowExW(nullptr, hwnd, L"#32770", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == process && IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

double Seconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Milliseconds from creation to the first dialog of one start of PROGRAM,
// started in its own folder; negative when it failed.
double TimeOneStart(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    std::wstring folder = program.substr(0, program.find_last_of(L"\\/") + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const LONGLONG start = Now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return -1;
    }
    double ms = -1;
    for (;;) {
        const bool shown = VisibleDialogOf(process.dwProcessId) != nullptr;
        const double elapsed = Seconds(Now() - start) * 1000;
        if (shown) {
            ms = elapsed;
            break;
        }
        if (elapsed > kGiveUpSeconds * 1000) {
            std::fprintf(stderr, "%ls showed no dialog within %.0f s\n", program.c_str(), kGiveUpSeconds);
            break;
        }
        // Polls every millisecond; returns early when the process ends.
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "%ls ended without a dialog\n", program.c_str());
            break;
        }
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ms;
}

// The file name of PROGRAM without its folder and extension.
std::wstring NameOf(const std::wstring& program) {
    const std::wstring name = program.substr(program.find_last_of(L"\\/") + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc >= 4 ? _wtoi(argv[1]) : 0;
    if (runs <= 0) {
        std::fprintf(stderr, "usage: fortuva_startup_bench RUNS PROGRAM REFERENCE...\n");
        return 2;
    }
    const std::vector<std::wstring> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    for (int run = 0; run <= runs; ++run) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const double ms = TimeOneStart(programs[k]);
            if (ms < 0) return 1;
            const std::wstring name = NameOf(programs[k]);
            // The first start of each fills the caches; it is not counted.
            if (run == 0) {
                std::printf("warm-up %ls %.1f ms\n", name.c_str(), ms);
            } else {
                times[k].push_back(ms);
                std::printf("run %d %ls %.1f ms\n", run, name.c_str(), ms);
            }
            std::fflush(stdout);
        }
    }
    const double program = Median(times[0]);
    std::printf("runs=%d %ls_median_ms=%.1f", runs, NameOf(programs[0]).c_str(), program);
    for (std::size_t k = 1; k < programs.size(); ++k) {
        const double reference = Median(times[k]);
        const std::wstring name = NameOf(programs[k]);
        std::printf(" %ls_median_ms=%.1f %ls_ratio=%.2f", name.c_str(), reference, name.c_str(),
                    program / reference);
    }
    std::printf("\n");
    return 0;
}
