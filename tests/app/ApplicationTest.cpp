#include <gtest/gtest.h>

#include "app/Application.h"
#include "base/Errors.h"
#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

TEST(Application, TitleRule) {
    EXPECT_EQ(ApplicationTitle("Fortuva.exe"), "Fortuva");
    EXPECT_EQ(ApplicationTitle("C:\\Tools\\FORTUVA.backup.exe"), "Fortuva");
    EXPECT_EQ(ApplicationTitle("ABC"), "Abc");
    // A 0x5C trail byte is part of its character, and trail bytes are never lowered.
    EXPECT_EQ(ApplicationTitle("\x95\x5C" "ABC.exe"), "\x95\x5C" "abc");
    EXPECT_EQ(ApplicationTitle("X\x83\x41" "B.exe"), "X\x83\x41" "b");
}

TEST(Application, ErrorBoxTextEndsWithAFullStopAboveDot) {
    EXPECT_EQ(ErrorBoxText("ファイルが見つかりません"), "ファイルが見つかりません.");
    EXPECT_EQ(ErrorBoxText("I/O エラー (32)"), "I/O エラー (32)");
    EXPECT_EQ(ErrorBoxText("done."), "done.");
    EXPECT_EQ(ErrorBoxText("abc"), "abc.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(Application, AnErrorBoxThatCannotBeShownLeavesTheBeep) {
    Journal journal;
    FakePlatform platform(journal);
    platform.boxesFail = true;
    TApplication(platform, "Fortuva").HandleException(Exception("タイマーを取得できません"));
    EXPECT_EQ(journal, Journal{"beep"});
}

}  // namespace
}  // namespace fortuva::test
