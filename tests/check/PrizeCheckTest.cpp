#include "check/PrizeCheck.h"

#include <gtest/gtest.h>

namespace fortuva::test {
namespace {

TEST(SlotTail, LastTwoBytes) {
    EXPECT_EQ(SlotTail("123456"), "56");
    EXPECT_EQ(SlotTail("5"), "5");
    EXPECT_EQ(SlotTail(""), "");
    EXPECT_TRUE(SlotMatches("05", "1205"));
    EXPECT_FALSE(SlotMatches("05", "5"));
    EXPECT_FALSE(SlotMatches("05", ""));
}

}  // namespace
}  // namespace fortuva::test
