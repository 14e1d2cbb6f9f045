#include <gtest/gtest.h>

#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

class HighlightTest : public ::testing::Test {
protected:
    HighlightTest() {
        //          Edit2   Edit3   Edit4   Edit5   Edit6   Edit7   Edit8  Edit9
        f.FillSlots({"1001", "2002", "3003", "4004", "5005", "6006", "38", "137"});
        f.checkBox1.checked = true;
    }
    // Colours of Edit2 .. Edit9, one letter each: - button face, R red.
    std::string Colours() const {
        std::string out;
        for (std::size_t i = 0; i < kSlotCount; ++i) out += f.slot(i).color == TColor::Red ? 'R' : '-';
        return out;
    }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) f.form->TimerTimer();
    }
    FormFixture f;
};

TEST_F(HighlightTest, MatchingSlotBlinksUntilTheNextEntry) {
    f.Type("38");
    EXPECT_TRUE(f.timer.enabled);
    Tick();
    EXPECT_EQ(Colours(), "------R-");
    Tick();
    EXPECT_EQ(Colours(), "--------");
    Tick();
    EXPECT_EQ(Colours(), "------R-");
    f.Type("9");  // one character: nothing yet
    EXPECT_EQ(Colours(), "------R-");
    f.Type("99");
    EXPECT_EQ(Colours(), "--------");
    EXPECT_FALSE(f.timer.enabled);
    EXPECT_EQ(f.form->BlinkEdit(), &f.slot(6));  // kept between checks
}

TEST_F(HighlightTest, LastMatchingSlotInOrderBlinks) {
    f.FillSlots({"1010", "2002", "3003", "4004", "5005", "6010", "38", "137"});
    f.Type("10");  // first prize Edit2 and fourth prize Edit7
    Tick();
    EXPECT_EQ(Colours(), "-----R--");
    f.FillSlots({"1001", "2002", "3003", "4077", "5077", "6006", "38", "137"});
    f.Type("77");  // both third-prize slots
    Tick();
    EXPECT_EQ(Colours(), "----R---");
}

TEST_F(HighlightTest, LongFourthPrizeSlotBlinksLikeTheCheckReportsIt) {
    f.Type("37");
    EXPECT_EQ(f.label2.caption, "四等が当たりました\r\nおめでとう御座います");
    Tick();
    EXPECT_EQ(Colours(), "-------R");
}

TEST_F(HighlightTest, FailedValidationAndNoPrizeLeaveTheHighlightAlone) {
    f.Type("38");
    Tick();
    f.Type("ab");  // two bytes: stops the blinking, then fails validation
    EXPECT_EQ(Colours(), "--------");
    EXPECT_FALSE(f.timer.enabled);
    EXPECT_EQ(f.form->LastEntry(), "38");
    f.Type("99");
    EXPECT_FALSE(f.timer.enabled);
    EXPECT_EQ(f.label2.caption, "残念です\r\n次に期待しましょう");
}

TEST_F(HighlightTest, TimerThatNeverChoseASlotKeepsRunning) {
    f.timer.enabled = true;  // enabled by a check whose slot the scan did not find
    f.Type("99");
    EXPECT_TRUE(f.timer.enabled);
    Tick();
    EXPECT_EQ(Colours(), "--------");
    EXPECT_EQ(f.form->BlinkEdit(), nullptr);
}

TEST_F(HighlightTest, ScanFollowsANewlyLoadedFile) {
    f.Type("38");
    Tick();  // Edit8 red
    f.files.files[u"new.txt"] = "1\n2\n3\n4\n5\n6\n7\n1238\n";
    f.form->LoadFile(u"new.txt");
    Tick();  // the scan now finds Edit9; Edit8 keeps the colour it had
    EXPECT_EQ(Colours(), "------RR");
    f.Type("11");
    EXPECT_EQ(Colours(), "------R-");
}

}  // namespace
}  // namespace fortuva::test
