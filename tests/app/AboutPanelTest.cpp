#include <gtest/gtest.h>

#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

const std::string kProduct = "Fortuva Ver.1.23 with Kavrin Lusemi";

class AboutPanelTest : public ::testing::Test {
protected:
    AboutPanelTest() { f.form->FormCreate(); }
    FormFixture f;
};

TEST_F(AboutPanelTest, PreparedAtStartUpEvenWithoutAYearFile) {
    EXPECT_EQ(f.l01.caption, kProduct);
    EXPECT_TRUE(f.icon.showsIcon);
    EXPECT_EQ(f.lMail.caption, "telvi@example.jp");
    EXPECT_EQ(f.lUrl1.caption, "http://example.com/lusemi/");
}

TEST_F(AboutPanelTest, PreparedAfterAnUnreadableYearFile) {
    FormFixture g;
    g.files.files[u"C:\\Program Files\\Fortuva\\2002.txt"] = "1\n";
    g.files.openError = 32;
    g.form->FormCreate();
    EXPECT_EQ(g.l01.caption, kProduct);
    g.form->LMailClick(g.lMail);
    EXPECT_EQ(g.Events({"shell"}).back(), "shell Open Mailto:telvi@example.jp?subject=" + kProduct + "&");
}

TEST_F(AboutPanelTest, EachLinkOpensItsOwnText) {
    for (FakeLabel* link : {&f.lMail, &f.lUrl, &f.lMail1, &f.lUrl1}) f.form->LMailClick(*link);
    EXPECT_EQ(f.Events({"shell"}), (Journal{"shell Open Mailto:telvi@example.jp?subject=" + kProduct + "&",
                                            "shell Open http://www.example.jp/telvi/",
                                            "shell Open Mailto:lusemi@example.com?subject=" + kProduct + "&",
                                            "shell Open http://example.com/lusemi/"}));
}

TEST_F(AboutPanelTest, LinkKindByNamePrefixAndAuthorByTag) {
    FakeLabel lmailOther{"LMailX", f.journal, 7}, other{"LMai", f.journal, 0};
    f.form->LMailClick(lmailOther);
    f.form->LMailClick(other);
    EXPECT_EQ(f.Events({"shell"}), (Journal{"shell Open Mailto:lusemi@example.com?subject=" + kProduct + "&",
                                            "shell Open http://www.example.jp/telvi/"}));
}

TEST_F(AboutPanelTest, HoverLightsTheLinkAndLeavingRestoresIt) {
    f.form->LMailMouseEnter(f.lUrl1);
    EXPECT_EQ(f.lUrl1.fontColor, TColor::Blue);
    EXPECT_TRUE(f.lUrl1.underlined);
    EXPECT_TRUE(f.lUrl1.handCursor);
    f.form->LMailMouseLeave(f.lUrl1);
    EXPECT_EQ(f.lUrl1.fontColor, TColor::WindowText);
    EXPECT_FALSE(f.lUrl1.underlined);
    EXPECT_FALSE(f.lUrl1.handCursor);
}

TEST_F(AboutPanelTest, ShowingAndHidingLeavesEntryAndBlinkingAlone) {
    f.FillSlots({"1", "2", "3", "4", "5", "6", "7", "38"});
    f.edit1.enabled = true;
    f.checkBox1.checked = true;
    f.Type("38");
    f.form->TimerTimer();
    f.form->SpeedButton2Click();
    EXPECT_TRUE(f.panel2.visible);
    EXPECT_TRUE(f.panel2.filling);
    f.form->TimerTimer();
    f.Type("99");  // typing while the panel is shown still checks
    EXPECT_EQ(f.label2.caption, "残念です\r\n次に期待しましょう");
    f.Type("38");
    f.form->Button2Click();
    EXPECT_FALSE(f.panel2.visible);
    EXPECT_TRUE(f.timer.enabled);
    f.form->TimerTimer();
    EXPECT_EQ(f.slot(7).color, TColor::Red);
}

}  // namespace
}  // namespace fortuva::test
