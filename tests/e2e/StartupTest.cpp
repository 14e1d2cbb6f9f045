#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/Layout.h"

namespace fortuva::e2e {
namespace {

const std::wstring kWaitingCaption = L"Fortuva - [----年用]";

// A year file as users keep it: CRLF lines, a title, a blank line, a memo,
// indented numbers and one number spoilt by a trailing blank.
const std::string kYearFile =
    "当選番号\r\n"
    "\r\n"
    "123456\r\n"
    "  654321\r\n"
    "(メモ) 二等以下\r\n"
    "4567\r\n"
    "0123\r\n"
    "9876 \r\n"
    "3210\r\n"
    "05\r\n"
    "38\r\n"
    "56\r\n";

std::wstring SlotText(HWND main, std::size_t i) { return Text(Control(main, ids::SlotId(i))); }

// Answers the notice that every start begins with, checking what it says.
void AnswerNotice(const AppUnderTest& app) {
    HWND notice = app.WaitForBox(L"情報");
    ASSERT_NE(notice, nullptr) << "no notice box titled 情報";
    EXPECT_EQ(MessageBoxText(notice),
              L"「Fortuva」はFreeSoftですが、\r\n宜しければご寄付をお願いします。");
    ASSERT_TRUE(ClickOk(notice));
}

void ExpectWaitingForAFile(HWND main) {
    EXPECT_EQ(Text(main), kWaitingCaption);
    EXPECT_FALSE(IsEnabled(Control(main, ids::Edit1)));
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(SlotText(main, i), L"") << "slot " << i;
}

TEST(Startup, NoticeThenReadyWindowWithTheYearFileLoadedAndCloseEnds) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    folder.Write(YearFileName(), kYearFile);
    AppUnderTest app(folder.Path());
    AnswerNotice(app);
    if (HasFatalFailure()) return;

    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Text(main), L"Fortuva - [" + std::to_wstring(CurrentYear()) + L"年用]");
    const std::array<const wchar_t*, 8> slots{L"123456", L"654321", L"4567", L"0123",
                                              L"3210",   L"05",     L"38",   L"56"};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(SlotText(main, i), slots[i]) << "slot " << i;
        EXPECT_FALSE(IsEnabled(Control(main, ids::SlotId(i)))) << "slot " << i;
    }
    HWND entry = Control(main, ids::Edit1);
    EXPECT_TRUE(IsEnabled(entry));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == entry; })) << "Edit1 has not the focus";
    EXPECT_EQ(Text(entry), L"");
    EXPECT_EQ(Text(Control(main, ids::Label2)), L"");

    app.Close();
    EXPECT_TRUE(app.WaitForExit()) << "closing the window did not end the program";
}

TEST(Startup, MainWindowLayout) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    folder.Write(YearFileName(), kYearFile);
    AppUnderTest app(folder.Path());
    AnswerNotice(app);
    if (HasFatalFailure()) return;
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);

    const SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, Px(kClientWidth));
    EXPECT_EQ(client.cy, Px(kClientHeight));
    // Fixed size; only the system menu and close button on the caption.
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    // Centred on the desktop.
    RECT frame{};
    GetWindowRect(main, &frame);
    EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 2);
    EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 2);

    for (const ExpectedControl& c : kMainArea) {
        SCOPED_TRACE(c.name);
        HWND control = Control(main, c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(IsChild(main, control));
        EXPECT_TRUE(IsVisible(control));
        if (c.text) {
            EXPECT_EQ(Text(control), c.text);
        }
        EXPECT_EQ(PlaceOn(main, control), ScaledAt(c.box, ScreenDpi()));
    }

    // The prompt is sized to its text; only its place is fixed.
    HWND label1 = Control(main, ids::Label1);
    ASSERT_NE(label1, nullptr);
    EXPECT_TRUE(IsChild(main, label1));
    EXPECT_EQ(Text(label1), L"下二桁を入力して下さい:");
    const Box prompt = PlaceOn(main, label1);
    EXPECT_EQ(prompt[0], Px(8));
    EXPECT_EQ(prompt[1], Px(8));

    HWND check = Control(main, ids::CheckBox1);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    HWND about = Control(main, ids::Panel2);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(IsChild(main, about));
    EXPECT_FALSE(IsVisible(about));
}

TEST(Startup, YearFileIsLookedUpBesideTheProgramNotInTheWorkingFolderAndAFolderIsNoFile) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    // A folder of the year file's name beside the program is no year file.
    ASSERT_TRUE(CreateDirectoryW(folder.File(YearFileName()).c_str(), nullptr));
    TempFolder working;
    working.Write(YearFileName(), kYearFile);
    AppUnderTest app(folder.Path(), working.Path());
    AnswerNotice(app);
    if (HasFatalFailure()) return;

    HWND warning = app.WaitForBox(L"警告");
    ASSERT_NE(warning, nullptr) << "no warning box titled 警告";
    EXPECT_EQ(MessageBoxText(warning),
              L"当選番号ファイルが見つかりませんでした。\r\nReadMe.txtを参照の上、手動で開いてください。");
    ASSERT_TRUE(ClickOk(warning));

    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    ExpectWaitingForAFile(main);
}

// Holds a file open with no sharing, as a program writing it would.
class ExclusiveHold {
public:
    explicit ExclusiveHold(const std::wstring& path)
        : file_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~ExclusiveHold() {
        if (Held()) CloseHandle(file_);
    }
    ExclusiveHold(const ExclusiveHold&) = delete;
    ExclusiveHold& operator=(const ExclusiveHold&) = delete;
    bool Held() const { return file_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE file_;
};

TEST(Startup, YearFileHeldByAnotherProgramIsReportedAndTheWindowWaits) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    folder.Write(YearFileName(), kYearFile);
    ExclusiveHold hold(folder.File(YearFileName()));
    ASSERT_TRUE(hold.Held());
    AppUnderTest app(folder.Path());
    AnswerNotice(app);
    if (HasFatalFailure()) return;

    HWND error = app.WaitForBox(L"Fortuva");
    ASSERT_NE(error, nullptr) << "no error box titled with the application's title";
    EXPECT_EQ(MessageBoxText(error), L"I/O エラー (32)");
    ASSERT_TRUE(ClickOk(error));

    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    ExpectWaitingForAFile(main);
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(FindWindowOf(app.ProcessId(), L"#32770"), nullptr) << "a further box is open";
}

}  // namespace
}  // namespace fortuva::e2e
