// Fuzzes the winning-number file reader through an in-memory file system
// whose file hands out its bytes in uneven pieces and can fail part-way, in
// every encoding it reads.
//
// Input layout: three control bytes, then the file's content (missing
// control bytes count as zero).
//   byte 0, the caller:  low 4 bits k; after the k-th number (k > 0) the
//                        callback asks to stop, or throws when bit 0x10 is set.
//   byte 1, the faults:  low 4 bits n; the n-th Read (n > 0) throws. Bit 0x10:
//                        Close throws. Bit 0x20: opening throws.
//   byte 2, the pieces:  low 2 bits pick the piece sizes: 0 as much as asked,
//                        1 one byte, 2 pseudo-random 1 .. (byte >> 2) + 1,
//                        3 pseudo-random 1 .. as much as asked.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "numbers/NumberRule.h"
#include "numbers/WinningNumberFile.h"

using namespace fortuva;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

constexpr unsigned long kReadFailure = 5;
constexpr unsigned long kCloseFailure = 6;
constexpr unsigned long kOpenFailure = 2;

struct CallerStopped {};  // what the throwing callback throws

struct Plan {
    unsigned stopAfter = 0;
    bool stopByThrowing = false;
    unsigned failingRead = 0;
    bool closeFails = false;
    bool openFails = false;
    unsigned pieceMode = 0;
    unsigned pieceLimit = 1;
    std::uint32_t seed = 0;
};

// What the file saw, checked after the reader returns.
struct FileLog {
    bool opened = false;
    int closes = 0;
    bool readFailed = false;
    std::size_t delivered = 0;  // bytes handed out before any failure
    bool stopRequested = false;
};

class MemoryFile : public IInputFile {
public:
    MemoryFile(const std::string& content, const Plan& plan, FileLog& log)
        : content_(content), plan_(plan), log_(log), random_(plan.seed * 2654435761u + 1) {}

    std::size_t Read(char* buffer, std::size_t size) override {
        Check(log_.closes == 0);        // never read after closing
        Check(!log_.stopRequested);     // a stop means no more reading
        Check(buffer != nullptr && size > 0);
        ++reads_;
        if (plan_.failingRead != 0 && reads_ == plan_.failingRead) {
            log_.readFailed = true;
            throw EInOutError(kReadFailure);
        }
        std::size_t left = content_.size() - log_.delivered;
        std::size_t n = std::min(PieceSize(size), left);
        std::memcpy(buffer, content_.data() + log_.delivered, n);
        log_.delivered += n;
        return n;
    }

    void Close() override {
        ++log_.closes;
        if (plan_.closeFails) throw EInOutError(kCloseFailure);
    }

private:
    std::size_t PieceSize(std::size_t asked) {
        random_ = random_ * 1103515245u + 12345u;
        std::size_t r = random_ >> 8;
        switch (plan_.pieceMode) {
        case 0: return asked;
        case 1: return 1;
        case 2: return 1 + r % plan_.pieceLimit;
        default: return 1 + r % asked;
        }
    }

    const std::string& content_;
    const Plan& plan_;
    FileLog& log_;
    std::uint32_t random_;
    unsigned reads_ = 0;
};

class MemoryFileSystem : public IFileSystem {
public:
    MemoryFileSystem(const std::string& content, const Plan& plan, FileLog& log)
        : content_(content), plan_(plan), log_(log) {}

    bool FileExists(const NativePath& path) override { return path == Path(); }

    std::unique_ptr<IInputFile> OpenRead(const NativePath& path) override {
        Check(path == Path());
        Check(!log_.opened);  // opened once only
        if (plan_.openFails) throw EInOutError(kOpenFailure);
        log_.opened = true;
        return std::make_unique<MemoryFile>(content_, plan_, log_);
    }

    static NativePath Path() { return AsciiPath("2026.txt"); }

private:
    const std::string& content_;
    const Plan& plan_;
    FileLog& log_;
};

// The characters of the file: its bytes after a UTF-8 mark, or, after a
// UTF-16 mark, one per code unit, ASCII as itself and anything else as a
// byte no number holds. An odd last byte counts only in a whole file.
std::string Characters(const std::string& content, bool wholeFile) {
    bool little = content.compare(0, 2, "\xFF\xFE") == 0;
    if (!little && content.compare(0, 2, "\xFE\xFF") != 0)
        return content.compare(0, 3, "\xEF\xBB\xBF") == 0 ? content.substr(3) : content;
    std::string chars;
    for (std::size_t i = 2; i + 1 < content.size(); i += 2) {
        unsigned a = static_cast<unsigned char>(content[i]), b = static_cast<unsigned char>(content[i + 1]);
        unsigned unit = little ? (b << 8 | a) : (a << 8 | b);
        chars.push_back(unit < 0x80 ? static_cast<char>(unit) : '\x80');
    }
    if (wholeFile && content.size() % 2 == 1) chars.push_back('\x80');
    return chars;
}

// The stored text of a number line: without its leading spaces, and at most
// kNumberTextBound bytes, the excess taken from the zeros after the sign and
// the prefix.
std::string StoredText(const std::string& line) {
    std::string text = line.substr(line.find_first_not_of(' '));
    if (text.size() <= kNumberTextBound) return text;
    std::size_t zeros = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (text[zeros] == '$' || text[zeros] == 'x' || text[zeros] == 'X') zeros += 1;
    else if (text[zeros] == '0' && (text[zeros + 1] == 'x' || text[zeros + 1] == 'X')) zeros += 2;
    std::size_t excess = text.size() - kNumberTextBound;
    Check(text.find_first_not_of('0', zeros) >= zeros + excess);
    return text.erase(zeros, excess);
}

// The format read off a whole buffer: lines split at LF, every CR dropped, a
// Ctrl-Z opening a line ends the file. Only lines ended by LF count when
// wholeFile is false (the rest of the file may still be coming).
std::vector<std::string> ReferenceNumbers(const std::string& content, bool wholeFile) {
    const std::string chars = Characters(content, wholeFile);
    std::vector<std::string> numbers;
    std::size_t start = 0;
    while (start < chars.size()) {
        std::size_t lf = chars.find('\n', start);
        if (lf == std::string::npos && !wholeFile) break;
        std::size_t end = (lf == std::string::npos) ? chars.size() : lf;
        std::string line;
        for (std::size_t i = start; i < end; ++i)
            if (chars[i] != '\r') line.push_back(chars[i]);
        if (!line.empty() && line[0] == '\x1A') break;
        if (ParseNumber(line)) numbers.push_back(StoredText(line));
        if (lf == std::string::npos) break;
        start = lf + 1;
    }
    return numbers;
}

std::vector<std::string> FirstOf(std::vector<std::string> numbers, unsigned count) {
    if (count != 0 && numbers.size() > count) numbers.resize(count);
    return numbers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t control[3] = {0, 0, 0};
    std::size_t head = std::min<std::size_t>(size, 3);
    std::memcpy(control, data, head);
    const std::string content(reinterpret_cast<const char*>(data) + head, size - head);

    Plan plan;
    plan.stopAfter = control[0] & 0x0F;
    plan.stopByThrowing = (control[0] & 0x10) != 0;
    plan.failingRead = control[1] & 0x0F;
    plan.closeFails = (control[1] & 0x10) != 0;
    plan.openFails = (control[1] & 0x20) != 0;
    plan.pieceMode = control[2] & 0x03;
    plan.pieceLimit = (control[2] >> 2) + 1u;
    plan.seed = control[0] | (control[1] << 8) | (control[2] << 16);

    FileLog log;
    MemoryFileSystem files(content, plan, log);
    std::vector<std::string> got;
    auto onNumber = [&](const std::string& text) {
        Check(!log.stopRequested);  // no call after a stop
        Check(ParseNumber(text).has_value());
        Check(text.find_first_of("\r\n") == std::string::npos);
        Check(!text.empty() && text[0] != ' ' && text.size() <= kNumberTextBound);
        got.push_back(text);
        if (plan.stopAfter != 0 && got.size() == plan.stopAfter) {
            log.stopRequested = true;
            if (plan.stopByThrowing) throw CallerStopped();
            return false;
        }
        return true;
    };

    enum class Outcome { Returned, ReadError, CloseError, OpenError, Caller };
    Outcome outcome = Outcome::Returned;
    try {
        ReadNumberLines(files, MemoryFileSystem::Path(), onNumber);
    } catch (const EInOutError& e) {
        switch (e.ErrorCode()) {
        case kReadFailure: outcome = Outcome::ReadError; break;
        case kCloseFailure: outcome = Outcome::CloseError; break;
        case kOpenFailure: outcome = Outcome::OpenError; break;
        default: Check(false);
        }
    } catch (const CallerStopped&) {
        outcome = Outcome::Caller;
    }
    // Any other exception escapes and counts as a crash.

    if (plan.openFails) {
        Check(outcome == Outcome::OpenError && !log.opened && got.empty());
        return 0;
    }
    Check(log.opened && log.closes == 1);

    if (log.readFailed) {
        // The read failure wins over a failing Close, and every number whose
        // line had ended before it was reported.
        Check(outcome == Outcome::ReadError);
        Check(got == FirstOf(ReferenceNumbers(content.substr(0, log.delivered), false), plan.stopAfter));
        return 0;
    }
    std::vector<std::string> expected = FirstOf(ReferenceNumbers(content, true), plan.stopAfter);
    Check(got == expected);
    if (log.stopRequested && plan.stopByThrowing) {
        Check(outcome == Outcome::Caller);
    } else {
        Check(outcome == (plan.closeFails ? Outcome::CloseError : Outcome::Returned));
    }
    return 0;
}
