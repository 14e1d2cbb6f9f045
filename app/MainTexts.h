// The main window's fixed texts, as the user reads them, in code page 932.
#pragma once

#include <cstddef>

#include "check/PrizeCheck.h"

namespace fortuva {

// The caption is "Fortuva - [" + a year or a file's name + "年用]".
inline constexpr char kCaptionHead[] = "Fortuva - [";
inline constexpr char kCaptionTail[] = "年用]";
inline constexpr char kWaitingCaption[] = "Fortuva - [----年用]";

inline constexpr char kPrompt[] = "下二桁を入力して下さい:";
// The group boxes' captions, which also name the prize classes in the
// results, first prize first.
inline constexpr const char* kPrizeCaptions[kPrizeCount] = {"一等", "二等", "三等", "四等"};
inline constexpr char kNoConfirmation[] = "確認ダイアログを出さない";

// The hints, shown as tool tips. The tool buttons' hints are also their
// window texts, which name them to screen readers.
inline constexpr char kOpenHint[] = "当選番号ファイルを開きます";
inline constexpr char kAboutHint[] = "バージョン情報";
inline constexpr char kResultHint[] = "ココに結果が表示されます";

// Start-up: the notice, and the warning when the year's file is missing.
inline constexpr char kNoticeTitle[] = "情報";
inline constexpr char kNoticeText[] = "「Fortuva」はFreeSoftですが、\r\n宜しければご寄付をお願いします。";
inline constexpr char kMissingFileTitle[] = "警告";
inline constexpr char kMissingFileText[] =
    "当選番号ファイルが見つかりませんでした。\r\nReadMe.txtを参照の上、手動で開いてください。";

// The default actions screen readers name for the tool buttons and the
// links; the slots' accessible names come from the check's classes.
inline constexpr char kPressAction[] = "押す";
inline constexpr char kClickAction[] = "クリック";

}  // namespace fortuva
