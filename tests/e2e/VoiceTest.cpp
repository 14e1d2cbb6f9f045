#include <gtest/gtest.h>

#include <vector>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {
namespace {

// First 110001, 220002; second 3303; third 1250, 3450; fourth 06, 38, 71.
constexpr char kNumbers[] = "110001\r\n220002\r\n3303\r\n1250\r\n3450\r\n06\r\n38\r\n71\r\n";

// One entry per clip, 0 to 4, with the result it must leave and the
// confirmation it must ask for (none when empty).
struct Outcome {
    const wchar_t* entry;
    const wchar_t* result;
    const wchar_t* confirmation;
};

const Outcome kNoPrize{L"99", L"残念です\r\n次に期待しましょう", L""};
const Outcome kFirst{L"01", L"\r\n一等かもしれません\r\no(^o^)oドキドキ",
                     L"確認♪確認♪\r\n\r\n110001\r\n220002"};
const Outcome kSecond{L"03", L"\r\n二等かもしれません\r\no(^o^)oドキドキ", L"確認♪確認♪\r\n\r\n3303"};
const Outcome kThird{L"50", L"\r\n三等かもしれません\r\no(^o^)oドキドキ",
                     L"確認♪確認♪\r\n\r\n1250\r\n3450"};
const Outcome kFourth{L"38", L"四等が当たりました\r\nおめでとう御座います", L""};
const std::vector<Outcome> kEveryClip{kNoPrize, kFirst, kSecond, kThird, kFourth};

HWND StartReady(const AppUnderTest& app) {
    HWND main = app.PassNotice();
    return main && IsEnabled(Control(main, ids::Edit1)) ? main : nullptr;
}

// Types the entry, answers the confirmation it asks for, and checks that the
// check ran to its end: result shown, entry box cleared, no other box open.
void Check(const AppUnderTest& app, HWND main, const Outcome& outcome) {
    SCOPED_TRACE(Utf8(L"entry " + std::wstring(outcome.entry)));
    HWND entry = Control(main, ids::Edit1);
    ASSERT_TRUE(TypeChars(entry, outcome.entry));
    if (*outcome.confirmation) {
        HWND box = app.WaitForBox(L"Fortuva");
        ASSERT_NE(box, nullptr) << "no confirmation";
        ASSERT_EQ(MessageBoxText(box), outcome.confirmation);
        ASSERT_TRUE(ClickOk(box));
    }
    // A failed announcement would stop the check before it clears the entry
    // box and leave its error box open.
    HWND box = nullptr;
    WaitUntil([&] {
        box = FindWindowOf(app.ProcessId(), L"#32770");
        return box || Text(entry).empty();
    });
    ASSERT_EQ(box, nullptr) << "unexpected box: " << Utf8(MessageBoxText(box));
    EXPECT_EQ(Text(entry), L"");
    EXPECT_EQ(Text(Control(main, ids::Label2)), outcome.result);
}

TEST(Voice, EveryOutcomeIsAnnouncedFromTheEmbeddedClipsWithoutError) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    folder.Write(YearFileName(), kNumbers);
    AppUnderTest app(folder.Path());
    HWND main = StartReady(app);
    ASSERT_NE(main, nullptr);
    for (const Outcome& outcome : kEveryClip) ASSERT_NO_FATAL_FAILURE(Check(app, main, outcome));
}

TEST(Voice, OverrideFilesBesideTheProgramGoodOrBadCauseNoError) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    folder.Write(YearFileName(), kNumbers);
    folder.CopyIn(TestData(L"voice\\clip4.wav"), L"4.wav");
    folder.Write(L"0.wav", std::string("RIFF\x10\0\0\0WAVEjunk\xff\xfe\x01\x02", 20));
    AppUnderTest app(folder.Path());
    HWND main = StartReady(app);
    ASSERT_NE(main, nullptr);
    for (const Outcome& outcome : kEveryClip) ASSERT_NO_FATAL_FAILURE(Check(app, main, outcome));
}

TEST(Voice, ClipInTheWorkingFolderChangesNothing) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    folder.Write(YearFileName(), kNumbers);
    TempFolder working;
    working.CopyIn(TestData(L"voice\\clip3.wav"), L"3.wav");
    AppUnderTest app(folder.Path(), working.Path());
    HWND main = StartReady(app);
    ASSERT_NE(main, nullptr);
    ASSERT_NO_FATAL_FAILURE(Check(app, main, kThird));
    ASSERT_NO_FATAL_FAILURE(Check(app, main, kNoPrize));
}

}  // namespace
}  // namespace fortuva::e2e
