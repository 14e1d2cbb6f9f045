#include <gtest/gtest.h>

#include "app/win32/ControlIds.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {
namespace {

TEST(Startup, NoticeThenWindowWithTheYearFileLoaded) {
    TempFolder folder;
    folder.CopyIn(FortuvaExePath());
    folder.Write(YearFileName(), "123456\r\n654321\r\n4567\r\n0123\r\n3210\r\n05\r\n38\r\n71\r\n");
    AppUnderTest app(folder.Path());
    HWND notice = app.WaitForBox(L"情報");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(MessageBoxText(notice), L"「Fortuva」はFreeSoftですが、\r\n宜しければご寄付をお願いします。");
    ASSERT_TRUE(ClickOk(notice));
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Text(main), L"Fortuva - [" + std::to_wstring(CurrentYear()) + L"年用]");
    EXPECT_EQ(Text(Control(main, ids::EditId(9))), L"71");
    EXPECT_TRUE(IsEnabled(Control(main, ids::Edit1)));
}

}  // namespace
}  // namespace fortuva::e2e
