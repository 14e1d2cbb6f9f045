#include "numbers/NumberRule.h"

namespace fortuva {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsDecimal(char c) { return c >= '0' && c <= '9'; }

constexpr std::uint64_t kMaxPositive = 2147483647u;
constexpr std::uint64_t kMaxNegative = 2147483648u;

}  // namespace

void NumberScanner::StartDigits(char c) {
    if (c == '$' || c == 'x' || c == 'X') {
        state_ = State::HexPrefix;
    } else if (c == '0') {
        state_ = State::Zero;  // may still become a "0x" prefix
    } else if (IsDecimal(c)) {
        state_ = State::Decimal;
        magnitude_ = static_cast<std::uint64_t>(c - '0');
    } else {
        state_ = State::Failed;
    }
}

void NumberScanner::Feed(char c) {
    switch (state_) {
    case State::Spaces:
        if (c == ' ') return;
        if (c == '+' || c == '-') {
            negative_ = (c == '-');
            state_ = State::Sign;
            return;
        }
        StartDigits(c);
        return;
    case State::Sign:
        StartDigits(c);
        return;
    case State::Zero:
        if (c == 'x' || c == 'X') {
            state_ = State::HexPrefix;
            return;
        }
        state_ = State::Decimal;
        [[fallthrough]];
    case State::Decimal:
        if (!IsDecimal(c)) {
            state_ = State::Failed;
            return;
        }
        magnitude_ = magnitude_ * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude_ > kMaxNegative) state_ = State::Failed;
        return;
    case State::HexPrefix:
    case State::Hex: {
        int d = HexDigit(c);
        if (d < 0) {
            state_ = State::Failed;
            return;
        }
        state_ = State::Hex;
        if (significantHexDigits_ > 0 || d != 0) ++significantHexDigits_;
        if (significantHexDigits_ > 8) {
            state_ = State::Failed;
            return;
        }
        magnitude_ = magnitude_ * 16 + static_cast<std::uint64_t>(d);
        return;
    }
    case State::Failed:
        return;
    }
}

std::optional<std::int64_t> NumberScanner::Value() const {
    switch (state_) {
    case State::Zero:
        return 0;
    case State::Decimal:
        if (!negative_ && magnitude_ > kMaxPositive) return std::nullopt;
        return negative_ ? -static_cast<std::int64_t>(magnitude_) : static_cast<std::int64_t>(magnitude_);
    case State::Hex:
        return static_cast<std::int64_t>(magnitude_);
    default:
        return std::nullopt;
    }
}

std::optional<std::int64_t> ParseNumber(std::string_view text) {
    NumberScanner scanner;
    for (char c : text) {
        scanner.Feed(c);
        if (!scanner.Viable()) return std::nullopt;
    }
    return scanner.Value();
}

}  // namespace fortuva
