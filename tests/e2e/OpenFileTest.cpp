#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {
namespace {

// Controls of the system's file-open dialog.
constexpr int kFileNameField = 0x47C;  // an Edit, or a ComboBoxEx with an Edit inside
constexpr int kFileTypeList = 0x470;

const wchar_t kWaitingCaption[] = L"Fortuva - [----年用]";

std::wstring CaptionFor(const std::wstring& label) { return L"Fortuva - [" + label + L"年用]"; }

// A winning-number file, one number a line.
std::string NumberFile(std::initializer_list<const char*> numbers) {
    std::string text;
    for (const char* number : numbers) text += std::string(number) + "\r\n";
    return text;
}

const std::vector<std::wstring> kNoNumbers(8);
const std::vector<std::wstring> kFirstNumbers{L"123456", L"654321", L"4567", L"0123",
                                              L"3210",   L"05",     L"38",   L"71"};
const std::string kFirstFile =
    NumberFile({"123456", "654321", "4567", "0123", "3210", "05", "38", "71"});
const std::vector<std::wstring> kSecondNumbers{L"111111", L"222222", L"3333", L"4444",
                                               L"5555",   L"66",     L"77",   L"88"};
const std::string kSecondFile =
    NumberFile({"111111", "222222", "3333", "4444", "5555", "66", "77", "88"});

struct Found {
    std::function<bool(HWND)> wanted;
    HWND window = nullptr;
};

BOOL CALLBACK Seek(HWND window, LPARAM param) {
    auto& found = *reinterpret_cast<Found*>(param);
    if (!found.wanted(window)) return TRUE;
    found.window = window;
    return FALSE;
}

HWND FindDescendant(HWND parent, std::function<bool(HWND)> wanted) {
    Found found{std::move(wanted)};
    EnumChildWindows(parent, Seek, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

// The edit of the dialog's file-name field, wherever the dialog keeps it.
HWND FileNameEdit(HWND dialog) {
    HWND field = Control(dialog, kFileNameField);
    if (!field || ClassOf(field) == L"Edit") return field;
    return FindDescendant(field, [](HWND child) { return ClassOf(child) == L"Edit"; });
}

// The dialog's push button with this ID (the dialog may also have a toolbar
// with the ID of its Open button).
HWND DialogButton(HWND dialog, int id) {
    return FindDescendant(dialog, [&](HWND child) {
        return GetParent(child) == dialog && GetDlgCtrlID(child) == id && ClassOf(child) == L"Button";
    });
}

class OpenFile : public ::testing::Test {
protected:
    // Starts the program with no year file beside it: notice, then warning.
    HWND StartWaitingForAFile() {
        program_.CopyIn(FortuvaExePath());
        app_ = std::make_unique<AppUnderTest>(program_.Path());
        HWND notice = app_->WaitForBox(L"情報");
        if (!notice || !ClickOk(notice)) return nullptr;
        HWND warning = app_->WaitForBox(L"警告");
        if (!warning || !ClickOk(warning)) return nullptr;
        return app_->MainWindow();
    }

    // Clicks the folder button and waits for the file dialog.
    HWND OpenDialog(HWND main) const {
        Click(Control(main, ids::SpeedButton1));
        return app_->WaitForBox(L"開く");
    }

    // Types into the file-name field in place of what it holds.
    static ::testing::AssertionResult TypeFileName(HWND dialog, const std::wstring& name) {
        HWND field = FileNameEdit(dialog);
        if (!field) return ::testing::AssertionFailure() << "the dialog has no file-name field";
        SetText(field, L"");
        if (!TypeChars(field, name)) return ::testing::AssertionFailure() << "the field took no keystrokes";
        const std::wstring typed = Text(field);
        if (typed != name) return ::testing::AssertionFailure() << "the field holds " << Utf8(typed);
        return ::testing::AssertionSuccess();
    }

    static bool Press(HWND dialog, int id) {
        HWND button = DialogButton(dialog, id);
        if (!button) return false;
        PostMessageW(button, BM_CLICK, 0, 0);
        return true;
    }

    // Chooses a file as the user does: types its name and presses Open.
    ::testing::AssertionResult Choose(HWND main, const std::wstring& name) const {
        HWND dialog = OpenDialog(main);
        if (!dialog) return ::testing::AssertionFailure() << "no file dialog";
        auto typed = TypeFileName(dialog, name);
        if (!typed) return typed;
        if (!Press(dialog, IDOK)) return ::testing::AssertionFailure() << "the dialog has no Open button";
        if (!WaitForGone(dialog)) return ::testing::AssertionFailure() << "the dialog stays open";
        return ::testing::AssertionSuccess();
    }

    static std::vector<std::wstring> Slots(HWND main) {
        std::vector<std::wstring> texts;
        for (std::size_t i = 0; i < 8; ++i) texts.push_back(Text(Control(main, ids::SlotId(i))));
        return texts;
    }

    static bool CaptionBecomes(HWND main, const std::wstring& caption) {
        return WaitUntil([&] { return Text(main) == caption; });
    }

    TempFolder program_;
    TempFolder data_;
    std::unique_ptr<AppUnderTest> app_;
};

TEST_F(OpenFile, ChosenFileFillsTheSlotsAndReadiesTheEntryBoxAndItsFolderIsNotHeld) {
    ASSERT_TRUE(CreateDirectoryW(data_.File(L"chosen").c_str(), nullptr));
    data_.Write(L"chosen\\2003.txt", "2003年 当選番号\r\n\r\n" + kFirstFile);
    HWND main = StartWaitingForAFile();
    ASSERT_NE(main, nullptr);
    HWND edit1 = Control(main, ids::Edit1);
    ASSERT_EQ(Text(main), kWaitingCaption);
    ASSERT_FALSE(IsEnabled(edit1));

    ASSERT_TRUE(Choose(main, data_.File(L"chosen\\2003.txt")));

    EXPECT_TRUE(CaptionBecomes(main, CaptionFor(L"2003"))) << Utf8(Text(main));
    EXPECT_EQ(Slots(main), kFirstNumbers);
    EXPECT_TRUE(IsEnabled(edit1));
    EXPECT_TRUE(WaitUntil([&] { return app_->Focus() == edit1; }));
    // The entry box turns from button face to the window colour.
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_TRUE(WaitUntil([&] { return BackgroundOf(edit1) == window; }));
    // The program has not stayed in the folder: the user may rename it.
    EXPECT_TRUE(MoveFileW(data_.File(L"chosen").c_str(), data_.File(L"renamed").c_str())) << GetLastError();
}

TEST_F(OpenFile, CaptionNamesFilesWithJapaneseOrOtherScriptsInTheirPath) {
    ASSERT_TRUE(CreateDirectoryW(data_.File(L"データ").c_str(), nullptr));
    data_.Write(L"データ\\当選番号.txt", kFirstFile);
    ASSERT_TRUE(CreateDirectoryW(data_.File(L"M\u00FCller").c_str(), nullptr));
    const std::wstring emoji = L"\U0001F600";  // outside code page 932
    data_.Write(L"M\u00FCller\\Ziehung" + emoji + L".txt", kSecondFile);
    HWND main = StartWaitingForAFile();
    ASSERT_NE(main, nullptr);

    ASSERT_TRUE(Choose(main, data_.File(L"データ\\当選番号.txt")));
    EXPECT_TRUE(CaptionBecomes(main, CaptionFor(L"当選番号"))) << Utf8(Text(main));
    EXPECT_EQ(Slots(main), kFirstNumbers);

    ASSERT_TRUE(Choose(main, data_.File(L"M\u00FCller\\Ziehung" + emoji + L".txt")));
    EXPECT_TRUE(CaptionBecomes(main, CaptionFor(L"Ziehung" + emoji))) << Utf8(Text(main));
    EXPECT_EQ(Slots(main), kSecondNumbers);
}

TEST_F(OpenFile, TypedYearWithoutExtensionNamesTheCaptionEvenWhenMissing) {
    data_.Write(L"2005.txt", kSecondFile);
    HWND main = StartWaitingForAFile();
    ASSERT_NE(main, nullptr);
    HWND edit1 = Control(main, ids::Edit1);

    // Go to the data folder first: typing a folder and pressing Open shows it.
    HWND dialog = OpenDialog(main);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(TypeFileName(dialog, data_.Path()));
    ASSERT_TRUE(Press(dialog, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return Text(FileNameEdit(dialog)).empty(); }));
    ASSERT_TRUE(IsVisible(dialog));
    ASSERT_TRUE(TypeFileName(dialog, L"2004"));
    ASSERT_TRUE(Press(dialog, IDOK));
    ASSERT_TRUE(WaitForGone(dialog));

    // No such file: nothing loads, but the window is ready for entries.
    EXPECT_TRUE(CaptionBecomes(main, CaptionFor(L"2004"))) << Utf8(Text(main));
    EXPECT_EQ(Slots(main), kNoNumbers);
    EXPECT_TRUE(IsEnabled(edit1));
    EXPECT_TRUE(WaitUntil([&] { return app_->Focus() == edit1; }));

    // The dialog comes back in that folder, where 2005 means 2005.txt.
    ASSERT_TRUE(Choose(main, L"2005"));
    EXPECT_TRUE(CaptionBecomes(main, CaptionFor(L"2005"))) << Utf8(Text(main));
    EXPECT_EQ(Slots(main), kSecondNumbers);

    // A missing file leaves the slots as they are.
    ASSERT_TRUE(Choose(main, L"2004"));
    EXPECT_TRUE(CaptionBecomes(main, CaptionFor(L"2004"))) << Utf8(Text(main));
    EXPECT_EQ(Slots(main), kSecondNumbers);
}

TEST_F(OpenFile, CancelChangesNothingAndTheDialogRemembersTheLastChoice) {
    data_.Write(L"first.numbers", kFirstFile);
    data_.Write(L"second.txt", kSecondFile);
    HWND main = StartWaitingForAFile();
    ASSERT_NE(main, nullptr);
    HWND edit1 = Control(main, ids::Edit1);

    // Choose the file under the "*.*" entry of the type list.
    HWND dialog = OpenDialog(main);
    ASSERT_NE(dialog, nullptr);
    HWND types = Control(dialog, kFileTypeList);
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(Text(types), L"*.txt");
    // What the list tells the dialog when the user picks the entry.
    SendMessageW(types, CB_SETCURSEL, 1, 0);
    for (const WORD code : {CBN_SELENDOK, CBN_SELCHANGE}) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeList, code), reinterpret_cast<LPARAM>(types));
    }
    ASSERT_TRUE(TypeFileName(dialog, data_.File(L"first.numbers")));
    ASSERT_TRUE(Press(dialog, IDOK));
    ASSERT_TRUE(WaitForGone(dialog));
    ASSERT_TRUE(CaptionBecomes(main, CaptionFor(L"first")));
    ASSERT_TRUE(TypeChars(edit1, L"5"));

    // Cancelled after typing another file: nothing changes.
    dialog = OpenDialog(main);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(TypeFileName(dialog, data_.File(L"second.txt")));
    ASSERT_TRUE(Press(dialog, IDCANCEL));
    ASSERT_TRUE(WaitForGone(dialog));
    EXPECT_TRUE(WaitUntil([&] { return app_->Focus() == edit1; }));
    EXPECT_EQ(Text(main), CaptionFor(L"first"));
    EXPECT_EQ(Slots(main), kFirstNumbers);
    EXPECT_EQ(Text(edit1), L"5");
    EXPECT_TRUE(IsEnabled(edit1));

    // The dialog still offers the file chosen before, in its folder, under
    // the type entry chosen then: Open alone reads that file again.
    data_.Write(L"first.numbers", kSecondFile);
    dialog = OpenDialog(main);
    ASSERT_NE(dialog, nullptr);
    const std::wstring offered = Text(FileNameEdit(dialog));
    EXPECT_TRUE(offered == L"first.numbers" || offered == data_.File(L"first.numbers")) << Utf8(offered);
    EXPECT_EQ(Text(Control(dialog, kFileTypeList)), L"*.*");
    ASSERT_TRUE(Press(dialog, IDOK));
    ASSERT_TRUE(WaitForGone(dialog));
    EXPECT_TRUE(WaitUntil([&] { return Slots(main) == kSecondNumbers; }));
    EXPECT_EQ(Text(main), CaptionFor(L"first"));
}

TEST_F(OpenFile, FileHeldForWritingShowsTheErrorAndKeepsTheWindowAsItWas) {
    data_.Write(L"2003.txt", kFirstFile);
    data_.Write(L"busy.txt", kSecondFile);
    HWND main = StartWaitingForAFile();
    ASSERT_NE(main, nullptr);
    HWND edit1 = Control(main, ids::Edit1);
    ASSERT_TRUE(Choose(main, data_.File(L"2003.txt")));
    ASSERT_TRUE(CaptionBecomes(main, CaptionFor(L"2003")));

    // Another program writes the file and lets others only read it.
    HANDLE writer = CreateFileW(data_.File(L"busy.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(Choose(main, data_.File(L"busy.txt")));
    HWND error = app_->WaitForBox(L"Fortuva");
    CloseHandle(writer);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(MessageBoxText(error), L"I/O エラー (32)");
    ASSERT_TRUE(ClickOk(error));

    EXPECT_EQ(Text(main), CaptionFor(L"2003"));
    EXPECT_EQ(Slots(main), kFirstNumbers);
    EXPECT_TRUE(IsEnabled(edit1));
}

TEST_F(OpenFile, KeyboardAloneOpensAFileAndTheAboutPanelFromAnyState) {
    data_.Write(L"2003.txt", kFirstFile);
    HWND main = StartWaitingForAFile();
    ASSERT_NE(main, nullptr);
    HWND edit1 = Control(main, ids::Edit1);
    HWND panel = Control(main, ids::Panel2);
    const auto shown = [&] { return WaitUntil([&] { return IsVisible(panel); }); };
    const auto hidden = [&] { return WaitUntil([&] { return !IsVisible(panel); }); };

    // Waiting for a file, with no control to take keys: F1, Escape, Ctrl+O.
    PressKey(main, VK_F1);
    ASSERT_TRUE(shown()) << "F1 did not show the about panel";
    PressKey(main, VK_ESCAPE);
    ASSERT_TRUE(hidden()) << "Escape did not hide the about panel";
    PressKey(main, 'O', true);
    HWND dialog = app_->WaitForBox(L"開く");
    ASSERT_NE(dialog, nullptr) << "Ctrl+O did not open the file dialog";
    ASSERT_TRUE(TypeFileName(dialog, data_.File(L"2003.txt")));
    ASSERT_TRUE(Press(dialog, IDOK));
    ASSERT_TRUE(WaitForGone(dialog));
    ASSERT_TRUE(CaptionBecomes(main, CaptionFor(L"2003")));
    ASSERT_TRUE(WaitUntil([&] { return app_->Focus() == edit1; }));

    // Ready: over the panel the entry box still checks digits, Ctrl+O still
    // opens a file, and Escape hides the panel with the focus left in place.
    PressKey(edit1, VK_F1);
    ASSERT_TRUE(shown());
    ASSERT_TRUE(TypeChars(edit1, L"38"));
    EXPECT_EQ(Text(Control(main, ids::Label2)), L"四等が当たりました\r\nおめでとう御座います");
    PressKey(edit1, 'O', true);
    dialog = app_->WaitForBox(L"開く");
    ASSERT_NE(dialog, nullptr) << "Ctrl+O over the panel did not open the file dialog";
    ASSERT_TRUE(Press(dialog, IDCANCEL));
    ASSERT_TRUE(WaitForGone(dialog));
    ASSERT_TRUE(WaitUntil([&] { return app_->Focus() == edit1; }));
    PressKey(edit1, VK_ESCAPE);
    EXPECT_TRUE(hidden());
    EXPECT_EQ(app_->Focus(), edit1);
    EXPECT_EQ(Text(edit1), L"");
    EXPECT_EQ(Slots(main), kFirstNumbers);
}

}  // namespace
}  // namespace fortuva::e2e
