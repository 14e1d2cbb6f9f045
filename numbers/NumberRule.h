// The one rule for what counts as a number: a winning-number line of the file
// and a valid two-digit entry are both judged by it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fortuva {

// Reads a text byte by byte and tells whether everything fed so far still
// has, or already has, the form of a number. Lets the file reader judge a
// line of any length without holding it.
class NumberScanner {
public:
    void Feed(char c);
    // The value when the text fed so far is a complete number.
    std::optional<std::int64_t> Value() const;
    // Once false, no further bytes can make the text a number.
    bool Viable() const { return state_ != State::Failed; }
    // True while only leading spaces have been fed.
    bool InLeadingSpaces() const { return state_ == State::Spaces; }

private:
    enum class State { Spaces, Sign, Zero, HexPrefix, Decimal, Hex, Failed };
    void StartDigits(char c);

    State state_ = State::Spaces;
    bool negative_ = false;
    std::uint64_t magnitude_ = 0;
    int significantHexDigits_ = 0;
};

// Number rule: any spaces, an optional "+" or "-", then decimal digits within
// the signed 32-bit range, or "$", "x", "X", "0x", "0X" and up to eight
// significant hexadecimal digits; nothing after the last digit. The sign of a
// hexadecimal number is ignored.
std::optional<std::int64_t> ParseNumber(std::string_view text);

}  // namespace fortuva
