#include "base/Errors.h"

#include "base/Text.h"

namespace fortuva {

const char kCannotSetText[] = "テキストを設定できません";
const char kCannotShowMessage[] = "メッセージを表示できません";
const char kCannotStartTimer[] = "タイマーを取得できません";
const char kNotFoundInLibrary[] = " が見つかりません";

namespace {

std::string InOutMessage(unsigned long code) {
    switch (code) {
    case 2: return "ファイルが見つかりません";
    case 3: return "不正なファイル名です";
    case 4: return "オープンしたファイルが多すぎます";
    case 5: return "ファイルへのアクセスが拒否されました";
    case 100: return "ファイルの末尾以降を読み込みました";
    case 101: return "ディスクがいっぱいです";
    case 106: return "入力値が数値ではありません";
    default: return "I/O エラー (" + DecimalText(code) + ")";
    }
}

}  // namespace

EInOutError::EInOutError(unsigned long code) : Exception(InOutMessage(code)), code_(code) {}

}  // namespace fortuva
