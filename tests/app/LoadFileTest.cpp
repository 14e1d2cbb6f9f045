#include <gtest/gtest.h>

#include "base/Errors.h"
#include "numbers/WinningNumberFile.h"
#include "tests/support/Fakes.h"

namespace fortuva::test {
namespace {

using Numbers = std::vector<std::string>;

class LoadFileTest : public ::testing::Test {
protected:
    FormFixture f;
    std::vector<std::string> Slots() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < kSlotCount; ++i) out.push_back(f.slot(i).text);
        return out;
    }
};

TEST_F(LoadFileTest, FillsSlotsInOrderAndLeavesTheRest) {
    f.files.files[u"a.txt"] = "1\n2\n3\n4\n5\n6\n7\n8\n";
    f.files.files[u"b.txt"] = "x\n11\n22\n";
    f.form->LoadFile(u"a.txt");
    f.form->LoadFile(u"b.txt");
    EXPECT_EQ(Slots(), (Numbers{"11", "22", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(f.edit1.text, "");
}

TEST_F(LoadFileTest, MoreThanEightNumbersStopsReading) {
    // The ninth number sits past the first buffer: it must never be read.
    f.files.files[u"a.txt"] = "1\n2\n3\n4\n5\n6\n7\n8\n" + std::string(kReadBufferSize, 'x') + "\n9\n";
    f.form->LoadFile(u"a.txt");
    EXPECT_EQ(Slots(), (Numbers{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(f.Events({"read", "close"}), (Journal{"read 4097", "close"}));
}

TEST_F(LoadFileTest, MissingFileChangesNothing) {
    f.FillSlots({"a", "b"});
    f.form->LoadFile(u"nothing.txt");
    EXPECT_EQ(Slots(), (Numbers{"a", "b", "", "", "", "", "", ""}));
    EXPECT_TRUE(f.journal.empty());
}

TEST_F(LoadFileTest, LockedFileRaisesItsErrorCodeAndChangesNothing) {
    f.files.files[u"a.txt"] = "1\n";
    f.files.openError = 32;
    try {
        f.form->LoadFile(u"a.txt");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), 32u);
        EXPECT_STREQ(e.what(), "I/O エラー (32)");
    }
    EXPECT_EQ(Slots()[0], "");
}

class OpenFileTest : public ::testing::Test {
protected:
    OpenFileTest() {
        f.files.files[u"C:\\data\\2003.txt"] = "1\n2\n3\n4\n5\n6\n7\n8\n";
        f.files.files[u"C:\\data\\short.txt"] = "11\n22\n";
    }
    void Open(const NativePath& path, int filter = 1) {
        f.fileDialog.choose = path;
        f.fileDialog.chooseFilter = filter;
        f.form->SpeedButton1Click();
    }
    FormFixture f;
};

TEST_F(OpenFileTest, OpeningMakesTheWindowReady) {
    Open(u"C:\\data\\2003.txt");
    EXPECT_EQ(f.fileDialog.shown.Title, "開く");
    EXPECT_EQ(f.fileDialog.shown.Filter, "*.txt|*.txt|*.*|*.*");
    EXPECT_EQ(f.fileDialog.shown.DefaultExt, "txt");
    EXPECT_EQ(f.fileDialog.shown.FileName, u"");
    EXPECT_EQ(f.slot(7).text, "8");
    EXPECT_EQ(f.window.caption, "Fortuva - [2003年用]");
    EXPECT_TRUE(f.EntryReady());
}

TEST_F(OpenFileTest, RemembersFileAndFilterButNotACancel) {
    Open(u"C:\\data\\2003.txt", 2);
    f.fileDialog.cancel = true;
    Open(u"C:\\elsewhere\\x.txt", 1);
    EXPECT_EQ(f.fileDialog.shown.FileName, u"C:\\data\\2003.txt");
    EXPECT_EQ(f.fileDialog.shown.FilterIndex, 2);
    f.fileDialog.cancel = false;
    Open(u"C:\\data\\short.txt", 1);
    EXPECT_EQ(f.fileDialog.shown.FileName, u"C:\\data\\2003.txt");
    EXPECT_EQ(f.fileDialog.shown.FilterIndex, 2);
    EXPECT_EQ(f.openDialog1.State().FileName, u"C:\\data\\short.txt");
}

TEST_F(OpenFileTest, CancelChangesNothing) {
    f.fileDialog.cancel = true;
    Open(u"C:\\data\\2003.txt");
    EXPECT_EQ(f.slot(0).text, "");
    EXPECT_EQ(f.window.caption, "Fortuva - [----年用]");
    EXPECT_FALSE(f.edit1.enabled);
}

TEST_F(OpenFileTest, SecondFileWithFewerNumbersKeepsTheRest) {
    Open(u"C:\\data\\2003.txt");
    Open(u"C:\\data\\short.txt");
    EXPECT_EQ(f.slot(0).text, "11");
    EXPECT_EQ(f.slot(2).text, "3");
    EXPECT_EQ(f.window.caption, "Fortuva - [short年用]");
}

TEST_F(OpenFileTest, MissingFileStillNamesTheCaption) {
    Open(u"C:\\data\\2004.txt");
    EXPECT_EQ(f.window.caption, "Fortuva - [2004年用]");
    EXPECT_TRUE(f.edit1.enabled);
    EXPECT_EQ(f.slot(0).text, "");
}

TEST_F(OpenFileTest, InOutErrorLeavesCaptionAndEntryBoxAsTheyWere) {
    Open(u"C:\\data\\short.txt");
    f.edit1.enabled = false;  // as if still waiting
    f.files.openError = 5;
    EXPECT_THROW(Open(u"C:\\data\\2003.txt"), EInOutError);
    EXPECT_EQ(f.window.caption, "Fortuva - [short年用]");
    EXPECT_FALSE(f.edit1.enabled);
}

TEST_F(OpenFileTest, NamesOutsideCodePage932ReachTheCaptionWhole) {
    f.files.files[u"C:\\M\u00FCller\\\U0001F38D.txt"] = "12\n";
    Open(u"C:\\M\u00FCller\\\U0001F38D.txt");
    EXPECT_EQ(f.slot(0).text, "12");
    EXPECT_EQ(f.window.label, u"\U0001F38D");
}

}  // namespace
}  // namespace fortuva::test
