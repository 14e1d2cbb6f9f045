#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/Layout.h"

namespace fortuva::e2e {
namespace {

constexpr char kYearFile[] = "123456\r\n654321\r\n4567\r\n0123\r\n3210\r\n05\r\n37\r\n56\r\n";

// The height of an edit's line, which follows its font.
int LineHeight(HWND edit) {
    RECT line{};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&line), SMTO_ABORTIFHUNG, 5000, &ignored);
    return line.bottom - line.top;
}

// The whole main area, and the about panel shown over it, stand where the
// layout puts them at that resolution, in a client area of the layout's size.
void ExpectLaidOutAt(HWND main, int dpi) {
    SCOPED_TRACE(std::to_string(dpi) + " dots per inch");
    const SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, PxAt(kClientWidth, dpi));
    EXPECT_EQ(client.cy, PxAt(kClientHeight, dpi));
    for (const ExpectedControl& c : kMainArea) EXPECT_EQ(PlaceOn(main, Control(main, c.id)), ScaledAt(c.box, dpi)) << c.name;
    const Box prompt = PlaceOn(main, Control(main, ids::Label1));
    EXPECT_EQ(prompt[0], PxAt(8, dpi));
    EXPECT_EQ(prompt[1], PxAt(8, dpi));

    HWND panel = Control(main, ids::Panel2);
    Click(Control(main, ids::SpeedButton2));
    ASSERT_TRUE(WaitUntil([&] { return IsVisible(panel); }));
    EXPECT_EQ(PlaceOn(main, panel), (Box{0, 0, client.cx, client.cy}));
    EXPECT_EQ(PlaceOn(panel, Control(main, ids::Button2)), ScaledAt({296, 32, 75, 25}, dpi));
    EXPECT_EQ(PlaceOn(panel, Control(main, ids::Icon)), ScaledAt({8, 8, 32, 32}, dpi));
    Click(Control(main, ids::Button2));
    ASSERT_TRUE(WaitUntil([&] { return !IsVisible(panel); }));
}

// The program started with its year file, past its notice.
class Scale : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.CopyIn(FortuvaExePath());
        folder_.Write(YearFileName(), kYearFile);
        app_ = std::make_unique<AppUnderTest>(folder_.Path());
        main_ = app_->PassNotice();
        ASSERT_NE(main_, nullptr);
    }

    TempFolder folder_;
    std::unique_ptr<AppUnderTest> app_;
    HWND main_ = nullptr;
};

TEST_F(Scale, MovedToAMonitorAt150PercentTheWindowIsLaidOutForItAndBack) {
    AppUnderTest& app = *app_;
    HWND main = main_;
    const int desktop = ScreenDpi();
    HWND slot = Control(main, ids::SlotId(0));
    const int line = LineHeight(slot);
    RECT frame{};
    GetWindowRect(main, &frame);

    // Windows suggests a place on the new monitor and a size of its own;
    // the window goes there, sized for its layout.
    const int larger = desktop * 3 / 2;
    const RECT suggested{frame.left + 20, frame.top + 10, frame.left + 20 + (frame.right - frame.left) * 3 / 2,
                         frame.top + 10 + (frame.bottom - frame.top) * 3 / 2};
    ASSERT_TRUE(app.MoveToMonitor(main, larger, suggested));
    RECT moved{};
    GetWindowRect(main, &moved);
    EXPECT_EQ(moved.left, suggested.left);
    EXPECT_EQ(moved.top, suggested.top);
    ExpectLaidOutAt(main, larger);
    EXPECT_NEAR(LineHeight(slot), line * 3 / 2, 1) << "the font did not grow with the layout";

    ASSERT_TRUE(app.MoveToMonitor(main, desktop, frame));
    ExpectLaidOutAt(main, desktop);
    EXPECT_EQ(LineHeight(slot), line);
    // Still checking cards.
    HWND entry = Control(main, ids::Edit1);
    ASSERT_TRUE(TypeChars(entry, L"99"));
    EXPECT_EQ(Text(Control(main, ids::Label2)), L"残念です\r\n次に期待しましょう");
}

// A length of the layout at a resolution: the font's pixel height, 12 at
// 96 dots per inch, follows the resolution, and the length follows the font.
int LayoutPxAt(int pixels, int dpi) {
    const int font = (2 * 12 * dpi + 96) / (2 * 96);
    return (2 * pixels * font + 12) / 24;
}

// The whole window around a client area of that size, its frame drawn at
// that resolution, as the system reckons it.
SIZE FrameAround(HWND window, SIZE client, int dpi) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

TEST_F(Scale, AtEveryScaleTheSizeWindowsIsToldBeforeTheMoveIsTheSizeTheWindowTakes) {
    AppUnderTest& app = *app_;
    HWND main = main_;
    RECT start{};
    GetWindowRect(main, &start);
    // 110, 125, 137.5, 150, 175 and 250 %, and back where it started.
    for (int dpi : {106, 120, 132, 144, 168, 240, ScreenDpi()}) {
        SCOPED_TRACE(std::to_string(dpi) + " dots per inch");
        const SIZE client{LayoutPxAt(kClientWidth, dpi), LayoutPxAt(kClientHeight, dpi)};
        // Windows would scale the window's size as it is; the window knows better.
        SIZE size{(start.right - start.left) * dpi / 96, (start.bottom - start.top) * dpi / 96};
        ASSERT_TRUE(app.AskScaledSize(main, dpi, size)) << "the window left its size to Windows";
        const SIZE expected = FrameAround(main, client, dpi);
        EXPECT_EQ(size.cx, expected.cx);
        EXPECT_EQ(size.cy, expected.cy);
        // Windows then moves it with that size, and it stays just there.
        const RECT suggested{start.left, start.top, start.left + size.cx, start.top + size.cy};
        ASSERT_TRUE(app.MoveToMonitor(main, dpi, suggested));
        RECT moved{};
        GetWindowRect(main, &moved);
        EXPECT_EQ(moved.left, suggested.left);
        EXPECT_EQ(moved.top, suggested.top);
        const SIZE now = ClientSize(main);
        EXPECT_EQ(now.cx, client.cx);
        EXPECT_EQ(now.cy, client.cy);
    }
    RECT back{};
    GetWindowRect(main, &back);
    EXPECT_TRUE(EqualRect(&start, &back)) << "the window did not come back to its place and size";
}

TEST_F(Scale, MovedBetweenScalesAgainAndAgainItKeepsOnlyTheFontsAndIconsItShows) {
    AppUnderTest& app = *app_;
    HWND main = main_;
    const int desktop = ScreenDpi();
    const int larger = desktop * 3 / 2;
    RECT frame{};
    GetWindowRect(main, &frame);
    const RECT suggested{frame.left, frame.top, frame.left + (frame.right - frame.left) * 3 / 2,
                         frame.top + (frame.bottom - frame.top) * 3 / 2};
    const auto roundTrip = [&] {
        return app.MoveToMonitor(main, larger, suggested) && app.MoveToMonitor(main, desktop, frame);
    };
    // Once every size has been shown, and whatever the system keeps for
    // drawing made, the objects held stay the same, move after move: each
    // move makes the window's fonts, glyphs and icons anew, and lets go of
    // the old ones.
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(roundTrip());
    const AppUnderTest::GuiObjects before = app.GuiObjectCounts();
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(roundTrip());
    const AppUnderTest::GuiObjects after = app.GuiObjectCounts();
    // A little room for what drawing holds for a moment; the old fonts and
    // icons kept would be hundreds more.
    EXPECT_LE(after.gdi, before.gdi + 10) << "GDI objects held before: " << before.gdi;
    EXPECT_LE(after.user, before.user + 10) << "USER objects held before: " << before.user;
}

}  // namespace
}  // namespace fortuva::e2e
