#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "base/Errors.h"
#include "numbers/WinningNumberFile.h"
#include "tests/support/Fakes.h"
#include "tests/support/PosixFiles.h"

namespace fortuva::test {
namespace {

// Reads a real file and returns the texts of its number lines.
std::vector<std::string> NumbersOf(const std::string& content, std::size_t limit = 100) {
    TempFile file(content);
    PosixFileSystem files;
    std::vector<std::string> out;
    ReadNumberLines(files, file.Path(), [&](const std::string& t) {
        out.push_back(t);
        return out.size() < limit;
    });
    EXPECT_EQ(files.openFiles, 0);
    EXPECT_EQ(files.lastReadSize, kReadBufferSize);
    return out;
}

using Numbers = std::vector<std::string>;

const Numbers kSampleNumbers{"123456", "654321", "4567", "0123", "3210", "05", "38", "71"};

TEST(WinningNumberFile, SampleFileKeepsTextsAsWritten) {
    std::string sample =
        "2002年 当選番号\r\n\r\n123456\r\n  654321\r\n(メモ) 二等以下\r\n4567\r\n0123\r\n9876 \r\n3210\r\n05\r\n38\r\n71";
    EXPECT_EQ(NumbersOf(sample), kSampleNumbers);
}

TEST(WinningNumberFile, Utf8MarkAtTheStartIsNoPartOfTheFirstLine) {
    // The first line is a number, so a mark kept in it would spoil it.
    EXPECT_EQ(NumbersOf("\xEF\xBB\xBF" "123456\r\n654321\r\n"), (Numbers{"123456", "654321"}));
}

// The sample files that ship beside the program fill the slots as their
// headings say; one stray character would shift every later number.
TEST(WinningNumberFile, ShippedSamplesFillTheirSlots) {
    auto numbersOfSample = [](const std::string& name) {
        std::ifstream in(std::string(FORTUVA_SOURCE_DIR) + "/samples/" + name, std::ios::binary);
        EXPECT_TRUE(in) << name;
        return NumbersOf(std::string(std::istreambuf_iterator<char>(in), {}));
    };
    EXPECT_EQ(numbersOfSample("sample.txt"), kSampleNumbers);
    // A year of three classes: first and "-1", second, two "-1" for the
    // unused third-prize slots, its three two-digit numbers as the fourth.
    EXPECT_EQ(numbersOfSample("sample-3classes.txt"),
              (Numbers{"482913", "-1", "7350", "-1", "-1", "18", "64", "09"}));
}

// The text with a UTF-16 byte-order mark, in either byte order.
std::string Utf16File(const std::u16string& text, bool bigEndian) {
    std::string bytes;
    for (char16_t unit : u"\uFEFF" + text) {
        char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(WinningNumberFile, Utf16FilesLoadLikeTheirBytes) {
    // Also full-width digits, and units whose bytes alone would read as the
    // digits 5 and 7 and as line feeds: none of them is a number.
    std::u16string sample =
        u"2002年 当選番号\r\n\r\n123456\r\n  654321\r\n(メモ) 二等以下\r\n4567\r\n０１２３\r\n\u0A35\u0A37\r\n0123\r\n"
        u"9876 \r\n3210\r\n05\r\n38\r\n71";
    EXPECT_EQ(NumbersOf(Utf16File(sample, false)), kSampleNumbers);
    EXPECT_EQ(NumbersOf(Utf16File(sample, true)), kSampleNumbers);
    // Lone carriage returns are dropped; Ctrl-Z at a line start ends the file.
    EXPECT_EQ(NumbersOf(Utf16File(u"12\r34\n\u001A56\n", true)), Numbers{"1234"});
}

TEST(WinningNumberFile, LineEnds) {
    EXPECT_EQ(NumbersOf("11\n22\n"), NumbersOf("11\r\n22\r\n"));
    EXPECT_EQ(NumbersOf("12\r34\r"), Numbers{"1234"});
    EXPECT_EQ(NumbersOf("12\r\r\n34"), (Numbers{"12", "34"}));
    EXPECT_EQ(NumbersOf(""), Numbers{});
}

TEST(WinningNumberFile, LinesThatAreNotNumbers) {
    EXPECT_EQ(NumbersOf("1 \n2\t\n\t3\n4\n"), Numbers{"4"});
    EXPECT_EQ(NumbersOf("11\n\xEF\xBB\xBF" "22\n"), Numbers{"11"});
    EXPECT_EQ(NumbersOf("１２\n33\n"), Numbers{"33"});
    EXPECT_EQ(NumbersOf("+12\n-5\n$1F\n0x1f\n2147483648\n-2147483648\n000000000000123\n"),
              (Numbers{"+12", "-5", "$1F", "0x1f", "-2147483648", "000000000000123"}));
}

TEST(WinningNumberFile, CtrlZEndsTheFileOnlyAtALineStart) {
    EXPECT_EQ(NumbersOf("11\n\x1A" "22\n33\n"), Numbers{"11"});
    EXPECT_EQ(NumbersOf("11\n2\x1A\n33\n"), (Numbers{"11", "33"}));
}

TEST(WinningNumberFile, LinesLongerThanTheBuffer) {
    std::string longProse(3 * kReadBufferSize + 5, 'a');
    std::string longNumber = std::string(2 * kReadBufferSize, ' ') + std::string(kReadBufferSize, '0') + "7";
    EXPECT_EQ(NumbersOf(longProse + "\n11\n" + longNumber + "\n"),
              (Numbers{"11", std::string(kNumberTextBound - 1, '0') + "7"}));
}

TEST(WinningNumberFile, LongRunsOfLeadingZerosAreShortenedToTheBound) {
    const std::string megabytes(3'000'000, '0');
    const std::string zeros = std::string(kNumberTextBound, '0');
    auto shortened = [&](const std::string& head, const std::string& tail) {
        return head + zeros.substr(0, kNumberTextBound - head.size() - tail.size()) + tail;
    };
    // Sign, prefix, value and tail stay; so does a text exactly at the bound.
    const std::string atBound = shortened("$", "1F");
    EXPECT_EQ(NumbersOf("-" + megabytes + "2147483648\n" + "0x" + megabytes + "0A01\n" + megabytes + "\n" +
                        atBound + "\n$0" + atBound.substr(1) + "\n"),
              (Numbers{shortened("-", "2147483648"), shortened("0x", "A01"), zeros, atBound, atBound}));
}

TEST(WinningNumberFile, StopsWhenTheCallerHasEnough) {
    EXPECT_EQ(NumbersOf("1\n2\n3\n4\n", 2), (Numbers{"1", "2"}));
}

TEST(WinningNumberFile, ReadFailureClosesTheFile) {
    Journal journal;
    FakeFileSystem files(journal);
    files.files[u"f"] = std::string(kReadBufferSize, '\n') + "5\n";
    files.readError = 23;
    std::vector<std::string> seen;
    EXPECT_THROW(ReadNumberLines(files, u"f", [&](const std::string& t) { seen.push_back(t); return true; }),
                 EInOutError);
    EXPECT_EQ(files.openFiles, 0);
}

}  // namespace
}  // namespace fortuva::test
