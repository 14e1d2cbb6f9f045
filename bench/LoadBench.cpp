// Figures, not tests: how fast the winning-number reader gets through a file
// and how much memory it takes on the way (the same for any file, a number
// line of 200 MiB included), and what one entry costs the check. Each run prints one line of key=value
// pairs for scripts/bench.sh to collect.
//
//   fortuva_bench load_bench FILE   read FILE as the program reads a year file
//   fortuva_bench check_bench N     N entries typed into a form of fakes

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "check/PrizeCheck.h"
#include "numbers/WinningNumberFile.h"
#include "tests/support/Fakes.h"

namespace fortuva::bench {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // kilobytes on Linux
}

// Paths travel as their bytes, one byte to a code unit, and back.
NativePath WidePath(const std::string& bytes) {
    NativePath path;
    for (char c : bytes) path.push_back(static_cast<unsigned char>(c));
    return path;
}

std::string NarrowPath(const NativePath& path) {
    std::string bytes;
    for (char16_t c : path) bytes.push_back(static_cast<char>(c));
    return bytes;
}

// Plain unbuffered descriptors, so that every Read of the reader is one
// system call, as on Windows.
class DescriptorFile : public IInputFile {
public:
    DescriptorFile(int fd, std::size_t& bytes) : fd_(fd), bytes_(bytes) {}
    ~DescriptorFile() override {
        if (fd_ >= 0) ::close(fd_);
    }
    std::size_t Read(char* buffer, std::size_t size) override {
        for (;;) {
            ssize_t n = ::read(fd_, buffer, size);
            if (n >= 0) {
                bytes_ += static_cast<std::size_t>(n);
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) throw EInOutError(static_cast<unsigned long>(errno));
        }
    }
    void Close() override {
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) throw EInOutError(static_cast<unsigned long>(errno));
    }

private:
    int fd_;
    std::size_t& bytes_;
};

class DescriptorFileSystem : public IFileSystem {
public:
    bool FileExists(const NativePath& path) override {
        return ::access(NarrowPath(path).c_str(), R_OK) == 0;
    }
    std::unique_ptr<IInputFile> OpenRead(const NativePath& path) override {
        int fd = ::open(NarrowPath(path).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) throw EInOutError(static_cast<unsigned long>(errno));
        return std::make_unique<DescriptorFile>(fd, bytesRead);
    }
    // Bytes read through every file opened here.
    std::size_t bytesRead = 0;
};

int LoadBench(const std::string& name) {
    DescriptorFileSystem files;
    std::size_t numbers = 0;
    std::size_t longest = 0;
    Clock::time_point start = Clock::now();
    // Every number line is counted; the program itself stops at the eighth,
    // which would leave the rest of a file unread here.
    ReadNumberLines(files, WidePath(name), [&](const std::string& text) {
        ++numbers;
        if (text.size() > longest) longest = text.size();
        return true;
    });
    double seconds = SecondsSince(start);
    std::size_t bytes = files.bytesRead;
    std::printf("bytes=%zu seconds=%.4f mb_per_s=%.1f numbers=%zu longest_number=%zu peak_rss_kb=%ld\n", bytes,
                seconds, seconds > 0 ? static_cast<double>(bytes) / 1e6 / seconds : 0.0, numbers, longest,
                PeakRssKb());
    return 0;
}

int CheckBench(long count) {
    test::FormFixture f;
    // With the box ticked no confirmation dialog waits for the user.
    f.checkBox1.checked = true;
    //           first               second  third           fourth
    f.FillSlots({"123456", "654321", "4567", "0123", "3210", "05", "38", "71"});

    // All hundred entries in turn: 92 win nothing, 3 the fourth prize, 2 the
    // third, 1 the second, 2 the first.
    std::vector<std::string> entries;
    for (int i = 0; i < 100; ++i) entries.push_back({static_cast<char>('0' + i / 10), static_cast<char>('0' + i % 10)});
    int none = 0, fourth = 0, higher = 0;
    for (const std::string& entry : entries) {
        bool won = false;
        for (std::size_t slot = 5; slot <= 7; ++slot)
            if (SlotMatches(entry, f.slot(slot).text)) won = true;
        if (won) ++fourth;
        bool may = false;
        for (std::size_t slot = 0; slot <= 4; ++slot)
            if (SlotMatches(entry, f.slot(slot).text)) may = true;
        if (may) ++higher;
        if (!won && !may) ++none;
    }

    // Typed as a user types: the first digit, then the second, which starts
    // the check. The journal of the fakes is emptied each time so that it
    // does not grow without end; the platform's pause does not sleep.
    auto enter = [&](const std::string& entry) {
        f.journal.clear();
        f.Type(entry.substr(0, 1));
        f.Type(entry);
    };
    for (long i = 0; i < 1000; ++i) enter(entries[static_cast<std::size_t>(i % 100)]);

    Clock::time_point start = Clock::now();
    for (long i = 0; i < count; ++i) enter(entries[static_cast<std::size_t>(i % 100)]);
    double seconds = SecondsSince(start);
    std::printf("entries=%ld seconds=%.4f us_per_entry=%.3f mix_none=%d mix_fourth=%d mix_first_to_third=%d "
                "peak_rss_kb=%ld\n",
                count, seconds, seconds * 1e6 / static_cast<double>(count), none, fourth, higher, PeakRssKb());
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: fortuva_bench load_bench FILE\n       fortuva_bench check_bench N\n");
    return 2;
}

}  // namespace
}  // namespace fortuva::bench

int main(int argc, char** argv) {
    using namespace fortuva::bench;
    if (argc != 3) return Usage();
    const std::string mode = argv[1];
    try {
        if (mode == "load_bench") return LoadBench(argv[2]);
        if (mode == "check_bench") {
            char* end = nullptr;
            long count = std::strtol(argv[2], &end, 10);
            if (*end != '\0' || count <= 0) return Usage();
            return CheckBench(count);
        }
    } catch (const fortuva::EInOutError& failure) {
        std::fprintf(stderr, "fortuva_bench: input/output error %lu\n", failure.ErrorCode());
        return 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "fortuva_bench: %s\n", failure.what());
        return 1;
    }
    return Usage();
}
