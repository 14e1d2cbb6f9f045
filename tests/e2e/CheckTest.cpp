#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ControlIds.h"
#include "numbers/WinningNumberFile.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {
namespace {

// Tails of the slots: 56 21 | 67 | 23 10 | 05 37 56, so 56 is both a fourth
// and a first prize, 23 a third and 37 a fourth only. The 37 comes after a
// million leading zeros, which the slot must not take whole: the window
// would not appear for minutes.
const std::string kYearFile =
    "当選番号\r\n"
    "123456\r\n"
    "654321\r\n"
    "4567\r\n"
    "0123\r\n"
    "3210\r\n"
    "05\r\n" +
    std::string(1000000, '0') + "37\r\n"
    "56\r\n";

const std::wstring kFourthWon = L"四等が当たりました\r\nおめでとう御座います";
const std::wstring kThirdMayBe = L"\r\n三等かもしれません\r\no(^o^)oドキドキ";
const std::wstring kFirstMayBe = L"\r\n一等かもしれません\r\no(^o^)oドキドキ";
const std::wstring kNoPrize = L"残念です\r\n次に期待しましょう";

// The program started with its year file and ready for entries.
class Check : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.CopyIn(FortuvaExePath());
        folder_.Write(YearFileName(), kYearFile);
        app_ = std::make_unique<AppUnderTest>(folder_.Path());
        main_ = app_->PassNotice();
        ASSERT_NE(main_, nullptr);
        entry_ = Control(main_, ids::Edit1);
        result_ = Control(main_, ids::Label2);
        ASSERT_TRUE(IsEnabled(entry_));
    }

    // Types and lets the check run to its end, which empties the entry box;
    // it can only get there without a dialog when none was shown.
    void EnterWithoutDialog(const std::wstring& text) {
        ASSERT_TRUE(TypeChars(entry_, text));
        EXPECT_EQ(Text(entry_), L"") << "the check did not finish: a dialog is pending?";
        EXPECT_EQ(OpenBox(), nullptr) << "a dialog is open";
    }

    // Types an entry that asks for confirmation and returns that dialog.
    HWND EnterUntilDialog(const std::wstring& text) {
        if (!TypeChars(entry_, text)) return nullptr;
        return app_->WaitForBox(L"Fortuva");
    }

    // Answers the dialog; the check then goes on to empty the entry box.
    void Confirm(HWND dialog) {
        ASSERT_TRUE(ClickOk(dialog));
        ASSERT_TRUE(WaitUntil([&] { return Text(entry_).empty() || OpenBox() != nullptr; }));
        EXPECT_EQ(OpenBox(), nullptr) << "another dialog followed";
        EXPECT_EQ(Text(entry_), L"");
    }

    HWND OpenBox() const { return FindWindowOf(app_->ProcessId(), L"#32770"); }
    std::wstring Result() const { return Text(result_); }

    TempFolder folder_;
    std::unique_ptr<AppUnderTest> app_;
    HWND main_ = nullptr;
    HWND entry_ = nullptr;
    HWND result_ = nullptr;
};

TEST_F(Check, FourthPrizeNoPrizeAndRejectedEntries) {
    const std::wstring slot = Text(Control(main_, ids::SlotId(6)));
    EXPECT_EQ(slot.size(), kNumberTextBound);
    EXPECT_EQ(slot.substr(slot.size() - 2), L"37");
    EnterWithoutDialog(L"37");
    EXPECT_EQ(Result(), kFourthWon);

    EnterWithoutDialog(L"99");
    EXPECT_EQ(Result(), kNoPrize);

    // Superscript two and three are no digits, nor look-alikes of 23.
    EnterWithoutDialog(L"\u00B2\u00B3");
    EXPECT_EQ(Result(), L"正数を入力して下さい");

    EnterWithoutDialog(L"ab");
    EXPECT_EQ(Result(), L"正数を入力して下さい");

    EnterWithoutDialog(L"-5");
    EXPECT_EQ(Result(), L"十の桁迄入力して下さい");

    // One character is not yet an entry; the second starts the check.
    ASSERT_TRUE(TypeChars(entry_, L"3"));
    EXPECT_EQ(Text(entry_), L"3");
    EXPECT_EQ(Result(), L"十の桁迄入力して下さい");
    EnterWithoutDialog(L"7");
    EXPECT_EQ(Result(), kFourthWon);
}

TEST_F(Check, HigherClassMatchesAskForConfirmation) {
    HWND third = EnterUntilDialog(L"23");
    ASSERT_NE(third, nullptr) << "no confirmation dialog for a third-prize match";
    EXPECT_EQ(MessageBoxText(third), L"確認♪確認♪\r\n\r\n0123\r\n3210");
    // The label already shows the outcome while the user compares.
    EXPECT_EQ(Result(), kThirdMayBe);
    Confirm(third);
    EXPECT_EQ(Result(), kThirdMayBe);

    // A fourth and a first prize: only the first asks, listing its numbers.
    HWND first = EnterUntilDialog(L"56");
    ASSERT_NE(first, nullptr) << "no confirmation dialog for a first-prize match";
    EXPECT_EQ(MessageBoxText(first), L"確認♪確認♪\r\n\r\n123456\r\n654321");
    Confirm(first);
    EXPECT_EQ(Result(), kFourthWon + kFirstMayBe);

    app_->Close();
    EXPECT_TRUE(app_->WaitForExit()) << "closing the window did not end the program";
}

TEST_F(Check, NoConfirmationWhenTheOptionIsChecked) {
    HWND option = Control(main_, ids::CheckBox1);
    ASSERT_NE(option, nullptr);
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(option, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored));
    ASSERT_EQ(SendMessageW(option, BM_GETCHECK, 0, 0), BST_CHECKED);

    EnterWithoutDialog(L"23");
    EXPECT_EQ(Result(), kThirdMayBe);

    EnterWithoutDialog(L"56");
    EXPECT_EQ(Result(), kFourthWon + kFirstMayBe);
}

}  // namespace
}  // namespace fortuva::e2e
