#include "check/PrizeCheck.h"

#include "base/Text.h"
#include "numbers/NumberRule.h"

namespace fortuva {

namespace {
const char* const kWonEnding = "が当たりました\r\nおめでとう御座います";
const char* const kMayBeEnding = "かもしれません\r\no(^o^)oドキドキ";
}  // namespace

const char kNotANumberResult[] = "正数を入力して下さい";
const char kOutOfRangeResult[] = "十の桁迄入力して下さい";
const char kNoPrizeResult[] = "残念です\r\n次に期待しましょう";
const char kConfirmationHead[] = "確認♪確認♪\r\n\r\n";

std::string SlotControlName(std::size_t slot) { return "Edit" + DecimalText(static_cast<long long>(slot) + 2); }

std::string SlotTail(const std::string& slotText) {
    return slotText.size() <= 2 ? slotText : slotText.substr(slotText.size() - 2);
}

bool SlotMatches(const std::string& entry, const std::string& slotText) {
    return entry == SlotTail(slotText);
}

EntryKind JudgeEntry(const std::string& entry) {
    std::optional<std::int64_t> number = ParseNumber(entry);
    if (!number) return EntryKind::NotANumber;
    if (*number < 0 || *number > 99) return EntryKind::OutOfRange;
    return EntryKind::Comparable;
}

std::string ResultLine(const PrizeClass& prize, const std::string& className) {
    return prize.decides == Decides::Tail ? className + kWonEnding : "\r\n" + className + kMayBeEnding;
}

std::string SlotName(const PrizeClass& prize, std::size_t slot, const std::string& className) {
    if (prize.slots.first == prize.slots.last) return className;
    return className + " " + DecimalText(static_cast<long long>(slot - prize.slots.first) + 1);
}

}  // namespace fortuva
