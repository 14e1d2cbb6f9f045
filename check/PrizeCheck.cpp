#include "check/PrizeCheck.h"

#include <initializer_list>

#include "app/Main.h"
#include "numbers/NumberRule.h"

namespace fortuva {

namespace {
constexpr unsigned kResetPauseMs = 300;
const char* const kWonEnding = "が当たりました\r\nおめでとう御座います";
const char* const kMayBeEnding = "かもしれません\r\no(^o^)oドキドキ";
const char* const kConfirmHead = "確認♪確認♪\r\n\r\n";
}  // namespace

std::string SlotTail(const std::string& slotText) {
    return slotText.size() <= 2 ? slotText : slotText.substr(slotText.size() - 2);
}

bool SlotMatches(const std::string& entry, const std::string& slotText) {
    return entry == SlotTail(slotText);
}

void TMainForm::Edit1Change() {
    if (c_.Edit1.Text().size() != 2) return;
    StopBlinking();
    Button1Click();
}

void TMainForm::Button1Click() {
    const std::string entry = c_.Edit1.Text();
    std::optional<std::int64_t> number = ParseNumber(entry);
    if (!number) {
        c_.Label2.SetCaption("正数を入力して下さい");
        s_.Platform.Beep();
    } else if (*number < 0 || *number > 99) {
        s_.Platform.Beep();
        c_.Label2.SetCaption("十の桁迄入力して下さい");
    } else {
        // The old result vanishes visibly before the new one appears.
        c_.Label2.SetCaption("");
        c_.Label2.Repaint();
        s_.Platform.Sleep(kResetPauseMs);
        lastEntry_ = entry;

        auto matches = [&](std::initializer_list<TEdit*> slots) {
            for (TEdit* slot : slots)
                if (SlotMatches(entry, slot->Text())) return true;
            return false;
        };
        auto mayBe = [&](TGroupBox& group, int clip, std::initializer_list<TEdit*> listed) {
            c_.Label2.SetCaption(c_.Label2.Caption() + "\r\n" + group.Caption() + kMayBeEnding);
            c_.Timer.SetEnabled(true);
            Announce(clip);
            if (!c_.CheckBox1.Checked()) {
                std::string text = kConfirmHead;
                const char* separator = "";
                for (TEdit* slot : listed) {
                    text += separator + slot->Text();
                    separator = "\r\n";
                }
                s_.Platform.ShowMessage(MessageKind::Plain, s_.Application.Title(), text);
            }
        };

        if (matches({c_.Slots[7], c_.Slots[6], c_.Slots[5]})) {
            c_.Label2.SetCaption(c_.GroupBoxes[3]->Caption() + kWonEnding);
            c_.Timer.SetEnabled(true);
            Announce(kFourthClip);
        }
        if (matches({c_.Slots[4], c_.Slots[3]})) mayBe(*c_.GroupBoxes[2], kThirdClip, {c_.Slots[3], c_.Slots[4]});
        if (matches({c_.Slots[2]})) mayBe(*c_.GroupBoxes[1], kSecondClip, {c_.Slots[2]});
        if (matches({c_.Slots[1], c_.Slots[0]})) mayBe(*c_.GroupBoxes[0], kFirstClip, {c_.Slots[0], c_.Slots[1]});
        if (c_.Label2.Caption().empty()) {
            c_.Label2.SetCaption("残念です\r\n次に期待しましょう");
            Announce(kNoPrizeClip);
        }
    }
    c_.Edit1.SetText("");
}

}  // namespace fortuva
