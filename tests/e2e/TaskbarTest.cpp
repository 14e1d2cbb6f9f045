#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {
namespace {

// Third prize 0123 and 3210: an entry of 23 asks for confirmation.
constexpr char kYearFile[] = "123456\r\n654321\r\n4567\r\n0123\r\n3210\r\n05\r\n37\r\n56\r\n";

// The program's window on the taskbar, which carries its entry.
HWND TaskbarWindow(const AppUnderTest& app) { return FindWindowOf(app.ProcessId(), ids::kApplicationWindowClass); }

// Whether the taskbar shows an entry for the window, by its documented rule.
::testing::AssertionResult OnTheTaskbar(HWND window) {
    if (!window) return ::testing::AssertionFailure() << "no application window";
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    const bool shown = IsWindowVisible(window) &&
                       ((exStyle & WS_EX_APPWINDOW) ||
                        (!GetWindow(window, GW_OWNER) && !(exStyle & WS_EX_TOOLWINDOW)));
    if (shown && Text(window) == L"Fortuva") return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << Utf8(Text(window)) << "\" has no entry titled Fortuva";
}

bool HasFocus(HWND dialog) {
    HWND focus = FocusOf(dialog);
    return focus && (focus == dialog || IsChild(dialog, focus));
}

// The keyboard focus comes to the dialog, where Enter and Escape answer it.
::testing::AssertionResult FocusIn(HWND dialog) {
    if (WaitUntil([&] { return HasFocus(dialog); })) return ::testing::AssertionSuccess();
    HWND focus = FocusOf(dialog);
    return ::testing::AssertionFailure() << "the focus is on a " << Utf8(focus ? ClassOf(focus) : L"(none)")
                                         << ", not in the dialog";
}

TEST(Taskbar, TheProgramHasItsEntryFromTheFirstNoticeOn) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    AppUnderTest app(folder.Path());
    HWND notice = app.WaitForBox(L"情報");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(OnTheTaskbar(TaskbarWindow(app))) << "while the notice is open";
    ASSERT_TRUE(ClickOk(notice));
    // No year file beside the program: the warning follows, still before
    // the main window.
    HWND warning = app.WaitForBox(L"警告");
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(OnTheTaskbar(TaskbarWindow(app))) << "while the warning is open";
    ASSERT_TRUE(ClickOk(warning));
    ASSERT_NE(app.MainWindow(), nullptr);
}

class TaskbarWithYearFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.CopyIn(FortuvaExePath());
        folder_.Write(YearFileName(), kYearFile);
        app_ = std::make_unique<AppUnderTest>(folder_.Path());
        main_ = app_->PassNotice();
        ASSERT_NE(main_, nullptr);
        entry_ = Control(main_, ids::Edit1);
        taskbar_ = TaskbarWindow(*app_);
        ASSERT_TRUE(OnTheTaskbar(taskbar_));
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(main_) == entry_; }));
    }

    void Command(WPARAM command) const { PostMessageW(taskbar_, WM_SYSCOMMAND, command, 0); }

    // Checks 23, which asks for confirmation (0123), and returns the
    // confirmation once it is settled: a dialog shows and activates itself
    // once more when its messages first run out, which has happened by the
    // first blink of the matching slot.
    HWND Confirmation() const {
        if (!TypeChars(entry_, L"23")) return nullptr;
        HWND box = app_->WaitForBox(L"Fortuva");
        HWND slot = Control(main_, ids::SlotId(3));
        if (!box || !WaitUntil([&] { return BackgroundOf(slot) == RGB(255, 0, 0); })) return nullptr;
        return box;
    }

    TempFolder folder_;
    std::unique_ptr<AppUnderTest> app_;
    HWND main_ = nullptr;
    HWND entry_ = nullptr;
    HWND taskbar_ = nullptr;
};

TEST_F(TaskbarWithYearFile, MinimisingHidesTheWindowAndRestoringBringsItBackWithTheFocus) {
    RECT before{};
    GetWindowRect(main_, &before);
    Command(SC_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return !IsVisible(main_); })) << "minimised, the window is still shown";
    Command(SC_RESTORE);
    ASSERT_TRUE(WaitUntil([&] { return IsVisible(main_); })) << "restored, the window stays hidden";
    RECT after{};
    GetWindowRect(main_, &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "the window did not come back where it was";
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main_) == entry_; })) << "the entry box lost the focus";
    // Ready for the next card.
    ASSERT_TRUE(TypeChars(entry_, L"99"));
    EXPECT_EQ(Text(Control(main_, ids::Label2)), L"残念です\r\n次に期待しましょう");
}

TEST_F(TaskbarWithYearFile, ActivatedOrAskedToCloseDuringAConfirmationItBringsTheConfirmationForward) {
    HWND box = Confirmation();
    ASSERT_NE(box, nullptr);
    // Away to another program, and back through the taskbar, each switch
    // come through before the next step.
    OtherProgram elsewhere;
    ASSERT_TRUE(elsewhere.SwitchTo(GetWindowThreadProcessId(box, nullptr)));
    Activate(taskbar_);
    EXPECT_TRUE(FocusIn(box)) << "after activating the taskbar's window";
    // The taskbar's close command, then its message, each handled when sent.
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(taskbar_, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, 5000, &ignored));
    ASSERT_TRUE(SendMessageTimeoutW(taskbar_, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored));
    // Typing nothing waits until every message posted so far is handled,
    // a close passed on to the main window among them.
    ASSERT_TRUE(TypeChars(entry_, L""));
    ASSERT_TRUE(app_->Running()) << "the program ended in the middle of a check";
    EXPECT_TRUE(IsWindow(box) && IsVisible(box)) << "the confirmation went away";
    EXPECT_TRUE(IsVisible(main_));
    EXPECT_TRUE(FocusIn(box)) << "after the close request";
    // The check goes on when the confirmation is answered.
    ASSERT_TRUE(ClickOk(box));
    EXPECT_TRUE(WaitUntil([&] { return Text(entry_).empty(); })) << "the check did not finish";
    EXPECT_EQ(Text(Control(main_, ids::Label2)), L"\r\n三等かもしれません\r\no(^o^)oドキドキ");
    EXPECT_TRUE(app_->Running());
}

TEST_F(TaskbarWithYearFile, ItsPicturesAreOutOfDateOnlyWhenWhatTheWindowShowsChanges) {
    // Told that the pictures it has are out of date, the window manager asks
    // for new ones, and drawing them must not tell it again.
    MessageCount told(*app_, taskbar_, ids::kPicturesOutOfDateMessage);
    // Typing nothing waits until every message posted so far is handled.
    ASSERT_TRUE(TypeChars(entry_, L""));
    const LONG before = told.Count();
    // Asked for its pictures, as the taskbar and the peek ask, the program
    // draws the whole window; the pointer then rests on a tool button until
    // its tip shows.
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(taskbar_, WM_DWMSENDICONICTHUMBNAIL, 0, MAKELPARAM(120, 200), SMTO_ABORTIFHUNG,
                                    5000, &ignored));
    ASSERT_TRUE(SendMessageTimeoutW(taskbar_, WM_DWMSENDICONICLIVEPREVIEWBITMAP, 0, 0, SMTO_ABORTIFHUNG, 5000,
                                    &ignored));
    MovePointerTo(Control(main_, ids::SpeedButton1), 4, 4);
    ASSERT_TRUE(WaitUntil([&] { return FindWindowOf(app_->ProcessId(), L"tooltips_class32"); })) << "no tip showed";
    ASSERT_TRUE(TypeChars(entry_, L""));
    EXPECT_EQ(told.Count(), before) << "drawing, hovering or a tip made the pictures out of date";
    // A card checked changes what the window shows.
    ASSERT_TRUE(TypeChars(entry_, L"99"));
    ASSERT_TRUE(TypeChars(entry_, L""));
    EXPECT_GT(told.Count(), before) << "the window manager was never told of a change";
}

TEST_F(TaskbarWithYearFile, MinimisedDuringAConfirmationAskedToCloseOrRestoredItBringsTheConfirmationBack) {
    HWND box = Confirmation();
    ASSERT_NE(box, nullptr);
    // The confirmation has disabled the taskbar's window, whose system
    // commands Wine then ignores; Windows minimises and restores it alike.
    const auto minimise = [&] {
        ShowWindowAsync(taskbar_, SW_MINIMIZE);
        return WaitUntil([&] { return IsIconic(taskbar_) && !IsVisible(box); });
    };
    const auto cameBack = [&] {
        return WaitUntil([&] { return !IsIconic(taskbar_) && IsVisible(main_) && IsVisible(box); }) &&
               FocusIn(box);
    };
    ASSERT_TRUE(minimise()) << "the confirmation did not go with the minimised program";
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(taskbar_, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored));
    EXPECT_TRUE(cameBack()) << "asked to close, the minimised program did not come back to its confirmation";
    ASSERT_TRUE(app_->Running()) << "the program ended in the middle of a check";

    ASSERT_TRUE(minimise());
    ShowWindowAsync(taskbar_, SW_RESTORE);
    EXPECT_TRUE(cameBack()) << "restored, the program did not show its confirmation";
    ASSERT_TRUE(ClickOk(box));
    EXPECT_TRUE(WaitUntil([&] { return Text(entry_).empty(); })) << "the check did not finish";
    EXPECT_EQ(Text(Control(main_, ids::Label2)), L"\r\n三等かもしれません\r\no(^o^)oドキドキ");
}

}  // namespace
}  // namespace fortuva::e2e
