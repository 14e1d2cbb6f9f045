#include "numbers/WinningNumberFile.h"

#include <cstring>
#include <vector>

#include "numbers/NumberRule.h"

namespace fortuva {
namespace {

// Judges one line as its bytes arrive, keeping its text only while it can
// still be a number line, so that a long line of prose costs no memory.
class LineJudge {
public:
    bool AtLineStart() const { return atStart_; }
    bool Viable() const { return scanner_.Viable(); }

    void Feed(char c) {
        atStart_ = false;
        if (!scanner_.Viable()) return;
        scanner_.Feed(c);
        if (!scanner_.Viable()) {
            if (!text_.empty()) std::string().swap(text_);
            return;
        }
        if (!scanner_.InLeadingSpaces()) text_.push_back(c);
    }

    // True when the line fed so far is a number line; its text is Text().
    bool IsNumber() const { return scanner_.Viable() && scanner_.Value().has_value(); }
    const std::string& Text() const { return text_; }

    // Starts the next line, keeping the text's small buffer.
    void Reset() {
        text_.clear();
        scanner_ = NumberScanner();
        atStart_ = true;
    }

private:
    NumberScanner scanner_;
    std::string text_;
    bool atStart_ = true;
};

enum class Step { Go, Stop };

Step ReadAll(IInputFile& file, const std::function<bool(const std::string&)>& onNumber) {
    std::vector<char> buffer(kReadBufferSize);
    LineJudge line;
    auto endLine = [&]() {
        bool stop = line.IsNumber() && !onNumber(line.Text());
        line.Reset();
        return stop ? Step::Stop : Step::Go;
    };
    bool pending = false;
    for (;;) {
        std::size_t got = file.Read(buffer.data(), buffer.size());
        if (got == 0) break;
        const char* p = buffer.data();
        const char* end = p + got;
        while (p < end) {
            if (!line.Viable()) {
                // The rest of a line that can no longer be a number is
                // passed over whole.
                p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
                if (!p) break;
            }
            char c = *p++;
            if (c == '\x1A' && line.AtLineStart()) return Step::Stop;
            if (c == '\n') {
                pending = false;
                if (endLine() == Step::Stop) return Step::Stop;
                continue;
            }
            pending = true;
            if (c != '\r') line.Feed(c);
        }
    }
    // The last line needs no line end.
    if (pending) return endLine();
    return Step::Go;
}

}  // namespace

void ReadNumberLines(IFileSystem& files, const NativePath& path,
                     const std::function<bool(const std::string&)>& onNumber) {
    std::unique_ptr<IInputFile> file = files.OpenRead(path);
    try {
        ReadAll(*file, onNumber);
    } catch (...) {
        try {
            file->Close();
        } catch (...) {
            // The read failure is the one to report.
        }
        throw;
    }
    file->Close();
}

}  // namespace fortuva
