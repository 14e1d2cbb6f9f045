#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "tests/e2e/Driver.h"

namespace fortuva::e2e {
namespace {

// Users unpack the release anywhere: a folder name with a space and
// Japanese characters must not stop the program from finding its year file.
TEST(PortableFolder, RunsAndLoadsFromAFolderWithASpaceAndJapanese) {
    TempFolder folder;
    const std::wstring sub = L"配布 テスト\\";
    ASSERT_TRUE(CreateDirectoryW(folder.File(sub).c_str(), nullptr));
    folder.CopyIn(FortuvaExePath(), sub + L"Fortuva.exe");
    folder.Write(sub + YearFileName(), "11\r\n22\r\n33\r\n44\r\n55\r\n66\r\n77\r\n88\r\n");
    AppUnderTest app(folder.File(sub));
    HWND main = app.PassNotice();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Text(main), L"Fortuva - [" + std::to_wstring(CurrentYear()) + L"年用]");
    EXPECT_EQ(Text(Control(main, ids::SlotId(7))), L"88");
    ASSERT_TRUE(TypeChars(Control(main, ids::Edit1), L"88"));
    EXPECT_EQ(Text(Control(main, ids::Label2)), L"四等が当たりました\r\nおめでとう御座います");
    app.Close();
    EXPECT_TRUE(app.WaitForExit());
}

}  // namespace
}  // namespace fortuva::e2e
