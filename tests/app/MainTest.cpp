#include <gtest/gtest.h>

#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

const NativePath kYearPath = u"C:\\Program Files\\Fortuva\\2002.txt";

class FormCreateTest : public ::testing::Test {
protected:
    FormFixture f;
};

TEST_F(FormCreateTest, NoticeThenTheYearFileBesideTheExecutable) {
    f.files.files[kYearPath] = "1\n2\n3\n4\n5\n6\n7\n8\n";
    TMainForm::ShowNotice(f.platform);
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
    EXPECT_EQ(f.Events({"beep"}).size(), 1u);
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

}  // namespace
}  // namespace fortuva::test
