#include "numbers/WinningNumberFile.h"

#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "numbers/NumberRule.h"

namespace fortuva {
namespace {

using OnNumber = std::function<bool(const std::string&)>;

// Where the leading zeros of a number text start: after its sign and its
// hexadecimal prefix. The "0" of a "0x" prefix is the prefix's own.
std::size_t LeadingZerosStart(const std::string& text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) return i + 1;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) return i + 2;
    return i;
}

// Judges one line as its bytes arrive, keeping its text only while it can
// still be a number line, so that a long line of prose costs no memory, and
// never more than kNumberTextBound bytes of it, so that a long run of
// leading zeros costs none either.
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
        if (scanner_.InLeadingSpaces()) return;
        if (text_.size() < kNumberTextBound) {
            text_.push_back(c);
            return;
        }
        // A number this long is mostly leading zeros. While its digits are
        // all zeros, one more changes nothing; a later digit takes the place
        // of one leading zero.
        if (scanner_.Value() == 0) return;
        text_.erase(LeadingZerosStart(text_), 1);
        text_.push_back(c);
    }

    // True when another zero would change nothing: the text is at its bound
    // and its digits so far are all zeros.
    bool DropsZeros() const { return text_.size() == kNumberTextBound && scanner_.Value() == 0; }

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

// Splits the file's characters into lines and hands on the number lines.
class LineSplitter {
public:
    explicit LineSplitter(const OnNumber& onNumber) : onNumber_(onNumber) {}

    Step Take(std::string_view chars) {
        const char* p = chars.data();
        const char* end = p + chars.size();
        while (p < end) {
            if (!line_.Viable()) {
                // The rest of a line that can no longer be a number is
                // passed over whole.
                p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
                if (!p) break;
            } else if (line_.DropsZeros()) {
                while (p < end && *p == '0') ++p;
                if (p == end) break;
            }
            char c = *p++;
            if (c == '\x1A' && line_.AtLineStart()) return Step::Stop;
            if (c == '\n') {
                pending_ = false;
                if (EndLine() == Step::Stop) return Step::Stop;
                continue;
            }
            pending_ = true;
            if (c != '\r') line_.Feed(c);
        }
        return Step::Go;
    }

    // The last line needs no line end.
    Step Finish() { return pending_ ? EndLine() : Step::Go; }

private:
    Step EndLine() {
        bool stop = line_.IsNumber() && !onNumber_(line_.Text());
        line_.Reset();
        return stop ? Step::Stop : Step::Go;
    }

    const OnNumber& onNumber_;
    LineJudge line_;
    bool pending_ = false;
};

// A character that no number contains, for every UTF-16 code unit outside
// ASCII and for an odd last byte.
constexpr char kForeign = '\x80';

// The characters of a UTF-16 file, one for each code unit. A unit split
// between two reads is completed by the next one.
class Utf16Decoder {
public:
    explicit Utf16Decoder(bool bigEndian) : bigEndian_(bigEndian), chars_(kReadBufferSize / 2 + 1) {}

    std::string_view Decode(const char* bytes, std::size_t size) {
        std::size_t n = 0;
        for (std::size_t i = 0; i < size; ++i) {
            if (!halfUnit_) {
                first_ = static_cast<unsigned char>(bytes[i]);
                halfUnit_ = true;
                continue;
            }
            halfUnit_ = false;
            unsigned second = static_cast<unsigned char>(bytes[i]);
            unsigned unit = bigEndian_ ? (first_ << 8 | second) : (second << 8 | first_);
            chars_[n++] = unit < 0x80 ? static_cast<char>(unit) : kForeign;
        }
        return std::string_view(chars_.data(), n);
    }

    // True when the file ended inside a code unit.
    bool HalfUnitLeft() const { return halfUnit_; }

private:
    bool bigEndian_;
    bool halfUnit_ = false;
    unsigned first_ = 0;
    std::vector<char> chars_;
};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// True while the first bytes of the file are the start of a byte-order mark
// but not yet a whole one, so that more must be read to tell the encoding.
bool MarkUnfinished(std::string_view head) {
    for (std::string_view mark : {kUtf8Mark, kUtf16LeMark, kUtf16BeMark})
        if (head.size() < mark.size() && mark.substr(0, head.size()) == head) return true;
    return false;
}

bool StartsWith(std::string_view head, std::string_view mark) { return head.substr(0, mark.size()) == mark; }

Step ReadAll(IInputFile& file, const OnNumber& onNumber) {
    std::vector<char> buffer(kReadBufferSize);
    LineSplitter lines(onNumber);

    // The first bytes tell the encoding.
    std::size_t got = 0;
    bool ended = false;
    while (!ended && MarkUnfinished(std::string_view(buffer.data(), got))) {
        std::size_t n = file.Read(buffer.data() + got, buffer.size() - got);
        got += n;
        ended = (n == 0);
    }
    const std::string_view head(buffer.data(), got);
    // A UTF-8 mark is no part of the first line; a UTF-16 mark, of either
    // byte order, makes the rest UTF-16.
    std::size_t skip = 0;
    std::optional<Utf16Decoder> utf16;
    if (StartsWith(head, kUtf16LeMark) || StartsWith(head, kUtf16BeMark)) {
        utf16.emplace(StartsWith(head, kUtf16BeMark));
        skip = 2;
    } else if (StartsWith(head, kUtf8Mark)) {
        skip = 3;
    }
    auto decode = [&](const char* bytes, std::size_t size) {
        return utf16 ? utf16->Decode(bytes, size) : std::string_view(bytes, size);
    };

    std::string_view chars = decode(buffer.data() + skip, got - skip);
    for (;;) {
        if (lines.Take(chars) == Step::Stop) return Step::Stop;
        if (ended) break;
        std::size_t n = file.Read(buffer.data(), buffer.size());
        ended = (n == 0);
        chars = decode(buffer.data(), n);
    }
    if (utf16 && utf16->HalfUnitLeft() && lines.Take(std::string_view(&kForeign, 1)) == Step::Stop)
        return Step::Stop;
    return lines.Finish();
}

}  // namespace

void ReadNumberLines(IFileSystem& files, const NativePath& path, const OnNumber& onNumber) {
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
