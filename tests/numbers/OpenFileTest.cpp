#include "numbers/OpenFile.h"

#include <gtest/gtest.h>

namespace fortuva::test {
namespace {

TEST(FileLabel, NameWithoutFolderAndExtension) {
    EXPECT_EQ(FileLabel(u"C:\\data\\2003.txt"), u"2003");
    EXPECT_EQ(FileLabel(u"D:\\データ\\表.txt"), u"表");  // 表 is 0x95 0x5C in code page 932
    EXPECT_EQ(FileLabel(u"C:\\my.numbers.txt"), u"my.numbers");
    EXPECT_EQ(FileLabel(u"C:\\dir.d\\numbers"), u"numbers");
    EXPECT_EQ(FileLabel(u"C:\\.txt"), u"");
    EXPECT_EQ(FileLabel(u"C:2004.txt"), u"2004");
    EXPECT_EQ(FileLabel(u"C:\\M\u00FCller\\\U0001F38D.txt"), u"\U0001F38D");
}

}  // namespace
}  // namespace fortuva::test
