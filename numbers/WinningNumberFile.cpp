#include "numbers/WinningNumberFile.h"

#include <vector>

#include "numbers/NumberRule.h"

namespace fortuva {
namespace {

// Judges one line as its bytes arrive, keeping its text only while it can
// still be a number line, so that a long line of prose costs no memory.
class LineJudge {
public:
    bool AtLineStart() const { return atStart_; }

    void Feed(char c) {
        atStart_ = false;
        if (!scanner_.Viable()) return;
        scanner_.Feed(c);
        if (!scanner_.Viable()) {
            std::string().swap(text_);
            return;
        }
        if (!scanner_.InLeadingSpaces()) text_.push_back(c);
    }

    // Ends the line; true with its stored text when it is a number line.
    bool End(std::string& text) {
        bool number = scanner_.Value().has_value();
        if (number) text.swap(text_);
        *this = LineJudge();
        return number;
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
    std::string text;
    auto endLine = [&]() { return (line.End(text) && !onNumber(text)) ? Step::Stop : Step::Go; };
    bool pending = false;
    for (;;) {
        std::size_t got = file.Read(buffer.data(), buffer.size());
        if (got == 0) break;
        for (std::size_t i = 0; i < got; ++i) {
            char c = buffer[i];
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
