#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/Layout.h"

namespace fortuva::e2e {
namespace {

// First 110001, 220002; second 3303; third 1250, 3450 (both end in 50);
// fourth 06, 38 and 137 (a fourth-prize number longer than two digits).
constexpr char kNumbers[] = "110001\r\n220002\r\n3303\r\n1250\r\n3450\r\n06\r\n38\r\n137\r\n";

constexpr COLORREF kRed = RGB(255, 0, 0);
// Each half of a blink lasts 500 ms; this leaves room for a slow machine.
constexpr Millis kBlinkWait{5000};

class Highlight : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.CopyIn(FortuvaExePath());
        folder_.Write(YearFileName(), kNumbers);
        app_ = std::make_unique<AppUnderTest>(folder_.Path());
        main_ = app_->PassNotice();
        ASSERT_NE(main_, nullptr);
        entry_ = Control(main_, ids::Edit1);
        ASSERT_TRUE(IsEnabled(entry_));
    }

    HWND Slot(std::size_t i) const { return Control(main_, ids::SlotId(i)); }

    COLORREF SlotColour(std::size_t i) const { return BackgroundOf(Slot(i)); }

    bool WaitForColour(std::size_t i, COLORREF colour, Millis timeout = kBlinkWait) const {
        return WaitUntil([&] { return SlotColour(i) == colour; }, timeout, Millis{10});
    }

    std::wstring Result() const { return Text(Control(main_, ids::Label2)); }

    TempFolder folder_;
    std::unique_ptr<AppUnderTest> app_;
    HWND main_ = nullptr;
    HWND entry_ = nullptr;
    const COLORREF buttonFace_ = GetSysColor(COLOR_BTNFACE);
};

TEST_F(Highlight, FourthPrizeSlotBlinksRedAndBackUntilTheNextEntry) {
    // The window may not be painted yet.
    ASSERT_TRUE(WaitForColour(6, buttonFace_));
    ASSERT_TRUE(TypeChars(entry_, L"38"));
    EXPECT_EQ(Result(), L"四等が当たりました\r\nおめでとう御座います");

    ASSERT_TRUE(WaitForColour(6, kRed)) << "Edit8 never turned red";
    // Only the matching slot blinks.
    EXPECT_EQ(SlotColour(5), buttonFace_);
    EXPECT_EQ(SlotColour(7), buttonFace_);
    ASSERT_TRUE(WaitForColour(6, buttonFace_)) << "Edit8 stayed red";
    ASSERT_TRUE(WaitForColour(6, kRed)) << "Edit8 did not turn red a second time";
}

TEST_F(Highlight, BlinksWhileTheConfirmationIsOpenLastMatchingSlotFirst) {
    ASSERT_TRUE(TypeChars(entry_, L"50"));
    HWND box = app_->WaitForBox(L"Fortuva");
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(MessageBoxText(box), L"確認♪確認♪\r\n\r\n1250\r\n3450");

    // The box opens over the window; move it aside so the slots can be seen.
    SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT boxRect{}, slotRect{}, overlap{};
    ASSERT_TRUE(WaitUntil([&] {
        GetWindowRect(box, &boxRect);
        GetWindowRect(Slot(4), &slotRect);
        return !IntersectRect(&overlap, &boxRect, &slotRect);
    })) << "the confirmation still covers Edit6";

    // Both third-prize slots end in 50; the later one in slot order blinks.
    ASSERT_TRUE(WaitForColour(4, kRed)) << "Edit6 did not turn red while the confirmation was open";
    EXPECT_TRUE(IsWindow(box) && IsVisible(box)) << "the confirmation closed by itself";
    EXPECT_EQ(SlotColour(3), buttonFace_);

    ASSERT_TRUE(ClickOk(box));
    EXPECT_TRUE(WaitUntil([&] { return Text(entry_).empty(); }));
    EXPECT_TRUE(WaitForColour(4, buttonFace_));
    EXPECT_TRUE(WaitForColour(4, kRed)) << "Edit6 stopped blinking when the confirmation closed";
}

TEST_F(Highlight, NextEntryRestoresTheSlotAndANoPrizeCheckLeavesItSo) {
    ASSERT_TRUE(TypeChars(entry_, L"38"));
    ASSERT_TRUE(WaitForColour(6, kRed));
    // Typed while the slot is red, so it must be put back, not just left.
    ASSERT_TRUE(TypeChars(entry_, L"99"));
    EXPECT_EQ(Result(), L"残念です\r\n次に期待しましょう");
    EXPECT_TRUE(WaitForColour(6, buttonFace_, Millis{2000}));
    EXPECT_FALSE(WaitForColour(6, kRed, Millis{1500})) << "Edit8 blinks on after a no-prize entry";
}

TEST_F(Highlight, FourthPrizeSlotLongerThanTwoDigitsBlinks) {
    ASSERT_TRUE(TypeChars(entry_, L"37"));
    ASSERT_EQ(Result(), L"四等が当たりました\r\nおめでとう御座います");
    ASSERT_TRUE(WaitForColour(7, kRed)) << "Edit9 (137) never turned red for the entry 37";
    ASSERT_TRUE(WaitForColour(7, buttonFace_));
    ASSERT_TRUE(WaitForColour(7, kRed));
}

// Colours a run that died left set are put back before any test starts.
class LeftoverColours : public ::testing::Environment {
public:
    void SetUp() override { RestoreLeftoverColours(); }
};
::testing::Environment* const kLeftoverColours = ::testing::AddGlobalTestEnvironment(new LeftoverColours);

// A user's colour scheme: its name and the colours it sets.
struct Scheme {
    const char* name;
    std::vector<std::pair<int, COLORREF>> colours;
};

// Whether the control shows anything but its background colour, in the
// part of it given or in all of it.
::testing::AssertionResult ShowsText(HWND control, const char* what, const RECT* area = nullptr) {
    COLORREF background = 0;
    std::set<COLORREF> drawn;
    if (WaitUntil([&] {
            background = BackgroundOf(control);
            drawn = area ? ColoursDrawnIn(control, *area) : ColoursDrawnIn(control);
            drawn.erase(background);
            return !drawn.empty();
        }, Millis{2000}))
        return ::testing::AssertionSuccess();
    char colour[16];
    std::snprintf(colour, sizeof colour, "#%02X%02X%02X", GetRValue(background), GetGValue(background),
                  GetBValue(background));
    return ::testing::AssertionFailure() << what << " \"" << Utf8(Text(control))
                                         << "\" is drawn in its background colour " << colour << " only";
}

// A text of the window and where it is read: in all of its control, or
// only where nothing but the text is drawn (the upper part of a frame's
// caption, above the frame's line, and a check box's text beside its box).
struct Reading {
    int id;
    const char* what;
    RECT area;  // at 96 dots per inch; empty: the whole control
};

TEST(ColourSchemes, EveryTextStandsOutFromItsBackground) {
    constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
    const std::vector<std::pair<int, COLORREF>> before = {
        {COLOR_WINDOW, GetSysColor(COLOR_WINDOW)},       {COLOR_WINDOWTEXT, GetSysColor(COLOR_WINDOWTEXT)},
        {COLOR_BTNFACE, GetSysColor(COLOR_BTNFACE)},     {COLOR_BTNTEXT, GetSysColor(COLOR_BTNTEXT)},
        {COLOR_GRAYTEXT, GetSysColor(COLOR_GRAYTEXT)}};
    const Scheme schemes[] = {
        // As the high-contrast black scheme sets them.
        {"dark", {{COLOR_WINDOW, kBlack}, {COLOR_WINDOWTEXT, kWhite}, {COLOR_BTNFACE, kBlack},
                  {COLOR_BTNTEXT, kWhite}, {COLOR_GRAYTEXT, RGB(63, 242, 63)}}},
        // Dark text boxes on light buttons: window text is the button face,
        // so that a text drawn in the one on the other vanishes.
        {"dark boxes on light buttons", {{COLOR_WINDOW, kBlack}, {COLOR_WINDOWTEXT, kWhite}, {COLOR_BTNFACE, kWhite},
                                         {COLOR_BTNTEXT, kBlack}, {COLOR_GRAYTEXT, RGB(128, 128, 128)}}},
    };
    // The boxes' texts, in every scheme.
    const Reading boxes[] = {
        {ids::Edit1, "the entry box's", {}},
        {ids::Label2, "the result", {}},
    };
    // The rest where window text and button text differ, so that a text
    // drawn in the one that is not its background's shows.
    const Reading mainArea[] = {
        {ids::Label1, "the prompt", {}},
        {ids::GroupBoxId(0), "the first prize's caption", {0, 0, 60, 5}},
        {ids::GroupBoxId(1), "the second prize's caption", {0, 0, 60, 5}},
        {ids::GroupBoxId(2), "the third prize's caption", {0, 0, 60, 5}},
        {ids::GroupBoxId(3), "the fourth prize's caption", {0, 0, 60, 5}},
        {ids::CheckBox1, "the option's", {20, 0, 153, 17}},
    };
    const Reading aboutPanel[] = {
        {ids::L01, "the product label", {}},       {ids::Label6, "the credits", {}},
        {ids::Label4, "the system author's title", {}}, {ids::Label5, "the voice author's title", {}},
        {ids::LMail, "a mail link", {}},           {ids::LURL, "a web link", {}},
        {ids::LMail1, "a mail link", {}},          {ids::LURL1, "a web link", {}},
        {ids::Label7, "the notice", {}},           {ids::Button2, "the close button", {}},
    };
    auto read = [](HWND main, const Reading& reading) {
        HWND control = Control(main, reading.id);
        if (IsRectEmpty(&reading.area)) return ShowsText(control, reading.what);
        const RECT area{Px(reading.area.left), Px(reading.area.top), Px(reading.area.right), Px(reading.area.bottom)};
        return ShowsText(control, reading.what, &area);
    };
    for (const Scheme& scheme : schemes) {
        SCOPED_TRACE(scheme.name);
        {
            const SystemColours colours(scheme.colours);
            TempFolder folder;
            folder.CopyIn(FortuvaExePath());
            folder.Write(YearFileName(), kNumbers);
            AppUnderTest app(folder.Path());
            HWND main = app.PassNotice();
            ASSERT_NE(main, nullptr);
            HWND entry = Control(main, ids::Edit1);
            // No prize: no slot blinks, and the label shows its text.
            ASSERT_TRUE(TypeChars(entry, L"99"));
            // One digit stays in the entry box.
            ASSERT_TRUE(TypeChars(entry, L"4"));
            for (const Reading& reading : boxes) EXPECT_TRUE(read(main, reading));
            for (std::size_t i = 0; i < 8; ++i)
                EXPECT_TRUE(ShowsText(Control(main, ids::SlotId(i)), ("slot " + std::to_string(i)).c_str()));
            const bool textsDiffer = scheme.colours[1].second != scheme.colours[3].second;
            if (textsDiffer) {
                for (const Reading& reading : mainArea) EXPECT_TRUE(read(main, reading));
                Click(Control(main, ids::SpeedButton2));
                ASSERT_TRUE(WaitUntil([&] { return IsVisible(Control(main, ids::Panel2)); }));
                for (const Reading& reading : aboutPanel) EXPECT_TRUE(read(main, reading));
            }
        }
        // Nothing of the scheme stays for the tests after.
        for (const auto& [element, colour] : before) EXPECT_EQ(GetSysColor(element), colour) << "element " << element;
    }
}

}  // namespace
}  // namespace fortuva::e2e
