#include "numbers/NumberRule.h"

#include <gtest/gtest.h>

#include <regex>

namespace fortuva {
namespace {

// Written apart from the scanner: the form as a pattern, the range by strtoll.
std::optional<long long> Oracle(const std::string& text) {
    static const std::regex form("^ *([+-]?)(?:([0-9]+)|(?:\\$|x|X|0x|0X)([0-9A-Fa-f]+))$");
    std::smatch m;
    if (!std::regex_match(text, m, form)) return std::nullopt;
    if (m[2].matched) {
        std::string digits = m[2].str();
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
        if (digits.size() > 10) return std::nullopt;
        long long v = std::stoll(digits);
        if (m[1].str() == "-") v = -v;
        if (v < -2147483648LL || v > 2147483647LL) return std::nullopt;
        return v;
    }
    std::string hex = m[3].str();
    hex.erase(0, std::min(hex.find_first_not_of('0'), hex.size() - 1));
    if (hex.size() > 8) return std::nullopt;
    return std::stoll(hex, nullptr, 16);
}

TEST(NumberRule, AgreesWithOracleOnEveryTwoByteEntry) {
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) {
            std::string entry{static_cast<char>(a), static_cast<char>(b)};
            auto got = ParseNumber(entry);
            auto want = Oracle(entry);
            ASSERT_EQ(got.has_value(), want.has_value()) << "bytes " << a << " " << b;
            if (got) {
                ASSERT_EQ(*got, *want) << "bytes " << a << " " << b;
            }
        }
}

TEST(NumberRule, TwoByteEntriesOfNote) {
    EXPECT_EQ(ParseNumber(" 7"), 7);
    EXPECT_EQ(ParseNumber("+7"), 7);
    EXPECT_EQ(ParseNumber("-0"), 0);
    EXPECT_EQ(ParseNumber("$A"), 10);
    EXPECT_EQ(ParseNumber("x9"), 9);
    EXPECT_EQ(ParseNumber("-9"), -9);
    EXPECT_EQ(ParseNumber("05"), 5);
    for (const char* bad : {"0x", "  ", "7 ", "ab", "\x82\x4F", "", "+", "$"}) EXPECT_FALSE(ParseNumber(bad)) << bad;
}

TEST(NumberRule, LimitsOfLongerNumbers) {
    EXPECT_EQ(ParseNumber("2147483647"), 2147483647);
    EXPECT_FALSE(ParseNumber("2147483648"));
    EXPECT_EQ(ParseNumber("-2147483648"), -2147483648LL);
    EXPECT_FALSE(ParseNumber("-2147483649"));
    EXPECT_EQ(ParseNumber("000000000000123"), 123);
    EXPECT_EQ(ParseNumber("0xFFFFFFFF"), 0xFFFFFFFFLL);
    EXPECT_EQ(ParseNumber("$000000001F"), 0x1F);
    EXPECT_FALSE(ParseNumber("$100000000"));
    EXPECT_EQ(ParseNumber("-0x10"), 16);
    EXPECT_EQ(ParseNumber("   +12"), 12);
    EXPECT_FALSE(ParseNumber("99999999999999999999999"));
    EXPECT_FALSE(ParseNumber("\t12"));
    EXPECT_FALSE(ParseNumber("1 2"));
}

}  // namespace
}  // namespace fortuva
