#include "base/Errors.h"

#include <gtest/gtest.h>

namespace fortuva::test {
namespace {

TEST(InOutErrorMessages, ByCode) {
    EXPECT_STREQ(EInOutError(2).what(), "ファイルが見つかりません");
    EXPECT_STREQ(EInOutError(5).what(), "ファイルへのアクセスが拒否されました");
    EXPECT_STREQ(EInOutError(106).what(), "入力値が数値ではありません");
    EXPECT_STREQ(EInOutError(1234).what(), "I/O エラー (1234)");
}

}  // namespace
}  // namespace fortuva::test
