#include <gtest/gtest.h>

#include "app/Application.h"
#include "base/Errors.h"
#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

const NativePath kYearPath = u"C:\\Program Files\\Fortuva\\2002.txt";

class FormCreateTest : public ::testing::Test {
protected:
    FormFixture f;
};

TEST_F(FormCreateTest, LoadsTheYearFileBesideTheExecutable) {
    f.files.files[kYearPath] = "1\n2\n3\n4\n5\n6\n7\n8\n";
    f.form->FormCreate();
    EXPECT_EQ(f.Events({"beep", "dialog", "open"}),
              (Journal{"beep", "dialog information {情報} 「Fortuva」はFreeSoftですが、\r\n宜しければご寄付をお願いします。",
                       "open"}));
    EXPECT_EQ(f.slot(7).text, "8");
    EXPECT_EQ(f.window.caption, "Fortuva - [2002年用]");
    EXPECT_TRUE(f.EntryReady());
}

TEST_F(FormCreateTest, MissingYearFileWarnsAndWaits) {
    f.files.files[u"C:\\Program Files\\Fortuva\\2001.txt"] = "1\n";
    f.form->FormCreate();
    EXPECT_EQ(f.Events({"beep", "dialog"}).back(),
              "dialog warning {警告} 当選番号ファイルが見つかりませんでした。\r\nReadMe.txtを参照の上、手動で開いてください。");
    EXPECT_EQ(f.Events({"beep"}).size(), 2u);
    EXPECT_EQ(f.window.caption, "Fortuva - [----年用]");
    EXPECT_FALSE(f.edit1.enabled);
    EXPECT_EQ(f.slot(0).text, "");
}

TEST_F(FormCreateTest, UnreadableYearFileShowsTheErrorAndWaits) {
    f.files.files[kYearPath] = "1\n";
    f.files.openError = 32;
    f.form->FormCreate();
    EXPECT_EQ(f.Events({"dialog"}).back(), "dialog error {Fortuva} I/O エラー (32)");
    EXPECT_EQ(f.window.caption, "Fortuva - [----年用]");
    EXPECT_FALSE(f.edit1.enabled);
}

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
