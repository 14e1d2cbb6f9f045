// Fuzzes the number rule: ParseNumber and NumberScanner against a plain
// whole-text reading of the same rule, written separately from the scanner.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "numbers/NumberRule.h"

using fortuva::NumberScanner;
using fortuva::ParseNumber;

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

bool AllOf(std::string_view s, bool (*pred)(char)) {
    for (char c : s)
        if (!pred(c)) return false;
    return true;
}

bool IsDec(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDec(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool IsSpace(char c) { return c == ' '; }

std::string_view WithoutLeadingZeros(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

std::uint64_t ValueOf(std::string_view digits, unsigned base) {
    std::uint64_t v = 0;
    for (char c : digits) {
        unsigned d = IsDec(c) ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
        v = v * base + d;
    }
    return v;
}

// The rule read off the whole text at once: spaces, a sign, then a prefixed
// hexadecimal body of at most eight significant digits or a decimal body
// within the signed 32-bit range.
std::optional<std::int64_t> Reference(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(first);
    bool negative = false;
    if (rest.front() == '+' || rest.front() == '-') {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    std::string_view hex;
    bool isHex = false;
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hex = rest.substr(2);
        isHex = true;
    } else if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        hex = rest.substr(1);
        isHex = true;
    }
    if (isHex) {
        if (hex.empty() || !AllOf(hex, IsHex)) return std::nullopt;
        std::string_view significant = WithoutLeadingZeros(hex);
        if (significant.size() > 8) return std::nullopt;
        return static_cast<std::int64_t>(ValueOf(significant, 16));  // sign ignored
    }
    if (rest.empty() || !AllOf(rest, IsDec)) return std::nullopt;
    std::string_view significant = WithoutLeadingZeros(rest);
    if (significant.size() > 10) return std::nullopt;
    std::uint64_t magnitude = ValueOf(significant, 10);
    if (negative) {
        if (magnitude > 2147483648u) return std::nullopt;
        return -static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > 2147483647u) return std::nullopt;
    return static_cast<std::int64_t>(magnitude);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);

    std::optional<std::int64_t> parsed = ParseNumber(text);
    std::optional<std::int64_t> expected = Reference(text);
    Check(parsed == expected);
    if (parsed) Check(*parsed >= -2147483648LL && *parsed <= 4294967295LL);

    // Byte by byte, every prefix must be judged as the whole-text rule judges
    // it; the scanner may give up only when no longer text can be a number.
    NumberScanner scanner;
    Check(scanner.Viable() && scanner.InLeadingSpaces() && !scanner.Value());
    bool viable = true;
    for (std::size_t i = 0; i < size; ++i) {
        scanner.Feed(text[i]);
        std::string_view prefix = text.substr(0, i + 1);
        Check(scanner.Value() == Reference(prefix));
        Check(scanner.InLeadingSpaces() == AllOf(prefix, IsSpace));
        if (!viable) Check(!scanner.Viable());  // giving up is final
        viable = scanner.Viable();
    }
    Check(scanner.Value() == parsed);
    if (!viable) Check(!expected);
    return 0;
}
