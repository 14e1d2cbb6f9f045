// Figures, not tests: how long a program takes from its process's creation
// to its first message box on the screen, set against another program timed
// alike. Runs under Wine (or Windows).
//
//   fortuva_startup_bench RUNS PROGRAM REFERENCE
//
// Starts the two in turn, PROGRAM first, RUNS times each after one start of
// each that is not counted; each time runs from just before CreateProcessW
// to the first visible top-level dialog window of the new process, which is
// then ended. Prints one line per start and then one line of key=value pairs
// for scripts/bench.sh to collect.

#include <windows.h>

#include <algorithm>
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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc == 4 ? _wtoi(argv[1]) : 0;
    if (runs <= 0) {
        std::fprintf(stderr, "usage: fortuva_startup_bench RUNS PROGRAM REFERENCE\n");
        return 2;
    }
    const std::wstring programs[2] = {argv[2], argv[3]};
    std::vector<double> times[2];
    for (int run = 0; run <= runs; ++run) {
        for (int k = 0; k < 2; ++k) {
            const double ms = TimeOneStart(programs[k]);
            if (ms < 0) return 1;
            // The first start of each fills the caches; it is not counted.
            if (run == 0) {
                std::printf("warm-up %s %.1f ms\n", k == 0 ? "program" : "reference", ms);
                std::fflush(stdout);
                continue;
            }
            times[k].push_back(ms);
            std::printf("run %d %s %.1f ms\n", run, k == 0 ? "program" : "reference", ms);
            std::fflush(stdout);
        }
    }
    const double program = Median(times[0]);
    const double reference = Median(times[1]);
    std::printf("runs=%d program_median_ms=%.1f reference_median_ms=%.1f ratio=%.2f\n", runs, program, reference,
                program / reference);
    return 0;
}
