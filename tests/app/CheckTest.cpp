#include <gtest/gtest.h>

#include "base/Errors.h"
#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

const std::string kFourth = "四等が当たりました\r\nおめでとう御座います";
const std::string kNoPrize = "残念です\r\n次に期待しましょう";
std::string MayBe(const std::string& group) { return "\r\n" + group + "かもしれません\r\no(^o^)oドキドキ"; }

class PrizeCheckTest : public ::testing::Test {
protected:
    PrizeCheckTest() {
        //          Edit2     Edit3     Edit4    Edit5    Edit6    Edit7  Edit8  Edit9
        f.FillSlots({"123456", "654321", "4567", "0123", "3210", "05", "38", "71"});
    }
    // Types an entry one character at a time, as a user does.
    void Enter(const std::string& entry) {
        f.journal.clear();
        f.Type(entry.substr(0, 1));
        f.Type(entry);
    }
    std::vector<std::string> Outcome() const { return f.Events({"label", "timer", "play", "dialog", "beep"}); }
    FormFixture f;
};

TEST_F(PrizeCheckTest, FourthPrizeWonWithoutDialog) {
    Enter("38");
    EXPECT_EQ(Outcome(), (Journal{"label Label2 []", "label Label2 [" + kFourth + "]", "timer on", "play LUSEMI4"}));
    EXPECT_EQ(f.Events({"repaint", "sleep"}), (Journal{"repaint Label2 []", "sleep 300"}));
    EXPECT_EQ(f.edit1.text, "");
    EXPECT_EQ(f.form->LastEntry(), "38");
}

TEST_F(PrizeCheckTest, ThirdPrizeStartsWithAnEmptyLineAndListsBothSlots) {
    Enter("23");
    EXPECT_EQ(Outcome(), (Journal{"label Label2 []", "label Label2 [" + MayBe("三等") + "]", "timer on",
                                  "play LUSEMI3", "dialog plain {Fortuva} 確認♪確認♪\r\n\r\n0123\r\n3210"}));
}

TEST_F(PrizeCheckTest, SecondAndFirstPrizeDialogs) {
    Enter("67");
    EXPECT_EQ(f.label2.caption, MayBe("二等"));
    EXPECT_EQ(f.Events({"dialog"}), Journal{"dialog plain {Fortuva} 確認♪確認♪\r\n\r\n4567"});
    Enter("21");
    EXPECT_EQ(f.label2.caption, MayBe("一等"));
    EXPECT_EQ(f.Events({"dialog"}), Journal{"dialog plain {Fortuva} 確認♪確認♪\r\n\r\n123456\r\n654321"});
}

TEST_F(PrizeCheckTest, EveryMatchingClassAddsItsLineInOrder) {
    f.FillSlots({"100", "200", "300", "410", "500", "601", "702", "10"});
    Enter("00");
    EXPECT_EQ(f.label2.caption, MayBe("三等") + MayBe("二等") + MayBe("一等"));
    EXPECT_EQ(f.Events({"play", "dialog"}),
              (Journal{"play LUSEMI3", "dialog plain {Fortuva} 確認♪確認♪\r\n\r\n410\r\n500", "play LUSEMI2",
                       "dialog plain {Fortuva} 確認♪確認♪\r\n\r\n300", "play LUSEMI1",
                       "dialog plain {Fortuva} 確認♪確認♪\r\n\r\n100\r\n200"}));
    Enter("10");
    EXPECT_EQ(f.label2.caption, kFourth + MayBe("三等"));
    EXPECT_EQ(f.Events({"play", "dialog"}),
              (Journal{"play LUSEMI4", "play LUSEMI3", "dialog plain {Fortuva} 確認♪確認♪\r\n\r\n410\r\n500"}));
}

TEST_F(PrizeCheckTest, CheckBoxSuppressesOnlyTheDialogs) {
    f.checkBox1.checked = true;
    Enter("21");
    EXPECT_EQ(f.label2.caption, MayBe("一等"));
    EXPECT_TRUE(f.Events({"dialog"}).empty());
    EXPECT_TRUE(f.timer.enabled);
    EXPECT_EQ(f.Events({"play"}), Journal{"play LUSEMI1"});
}

TEST_F(PrizeCheckTest, NoPrize) {
    for (const char* entry : {"99", " 7", "+7", "-0", "$A", "x9"}) {
        Enter(entry);
        EXPECT_EQ(Outcome(), (Journal{"label Label2 []", "label Label2 [" + kNoPrize + "]", "play LUSEMI0"})) << entry;
        EXPECT_EQ(f.form->LastEntry(), entry);
    }
    EXPECT_FALSE(f.timer.enabled);
}

TEST_F(PrizeCheckTest, ValidationMessagesKeepTheLastEntry) {
    // "-1" holds the slot of a number a year lacks: the one entry it could
    // match is refused before any comparison.
    f.FillSlots({"123456", "654321", "-1", "0123", "-1", "05", "38", "-1"});
    Enter("38");
    for (const char* entry : {"ab", "0x", "7 ", "１"}) {
        Enter(entry);
        EXPECT_EQ(Outcome(), (Journal{"label Label2 [正数を入力して下さい]", "beep"})) << entry;
    }
    for (const char* entry : {"-1", "-9"}) {
        Enter(entry);
        EXPECT_EQ(Outcome(), (Journal{"beep", "label Label2 [十の桁迄入力して下さい]"})) << entry;
    }
    EXPECT_EQ(f.form->LastEntry(), "38");
    EXPECT_EQ(f.edit1.text, "");
}

TEST_F(PrizeCheckTest, OnlyTwoBytesStartTheCheck) {
    f.Type("３");  // one full-width digit is two bytes
    EXPECT_EQ(f.label2.caption, "正数を入力して下さい");
    f.journal.clear();
    f.Type("３８");
    f.Type("123");
    EXPECT_TRUE(f.journal.empty());
    EXPECT_EQ(f.edit1.text, "123");
    f.Type("38");
    EXPECT_EQ(f.label2.caption, kFourth);
}

TEST_F(PrizeCheckTest, FailureEndsTheCheckWithoutClearingTheEntry) {
    f.timer.failToStart = true;
    f.journal.clear();
    EXPECT_THROW(f.Type("71"), Exception);
    EXPECT_EQ(f.label2.caption, kFourth);
    EXPECT_EQ(f.edit1.text, "71");
}

}  // namespace
}  // namespace fortuva::test
