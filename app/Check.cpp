#include "app/Main.h"

namespace fortuva {

namespace {
constexpr unsigned kResetPauseMs = 300;
}  // namespace

void TMainForm::Edit1Change() {
    if (c_.Edit1.Text().size() != 2) return;
    StopBlinking();
    Button1Click();
}

void TMainForm::Button1Click() {
    const std::string entry = c_.Edit1.Text();
    switch (JudgeEntry(entry)) {
    case EntryKind::NotANumber:
        c_.Label2.SetCaption(kNotANumberResult);
        s_.Platform.Beep();
        break;
    case EntryKind::OutOfRange:
        s_.Platform.Beep();
        c_.Label2.SetCaption(kOutOfRangeResult);
        break;
    case EntryKind::Comparable:
        // The old result vanishes visibly before the new one appears.
        c_.Label2.SetCaption("");
        c_.Label2.Repaint();
        s_.Platform.Sleep(kResetPauseMs);
        lastEntry_ = entry;
        // A failure ends the check where it happens: what was shown stays,
        // and the entry box keeps the entry.
        for (const PrizeClass& prizeClass : kCheckOrder) {
            bool matched = false;
            for (std::size_t i = prizeClass.slots.first; i <= prizeClass.slots.last && !matched; ++i)
                matched = SlotMatches(entry, c_.Slots[i]->Text());
            if (!matched) continue;
            c_.Label2.SetCaption(c_.Label2.Caption() + ResultLine(prizeClass, c_.GroupBoxes[prizeClass.prize]->Caption()));
            c_.Timer.SetEnabled(true);
            Announce(prizeClass.Clip());
            if (prizeClass.decides == Decides::Tail || c_.CheckBox1.Checked()) continue;
            std::string text = kConfirmationHead;
            for (std::size_t i = prizeClass.slots.first; i <= prizeClass.slots.last; ++i)
                text += (i == prizeClass.slots.first ? "" : "\r\n") + c_.Slots[i]->Text();
            s_.Platform.ShowMessage(MessageKind::Plain, s_.Application.Title(), text);
        }
        if (c_.Label2.Caption().empty()) {
            c_.Label2.SetCaption(kNoPrizeResult);
            Announce(kNoPrizeClip);
        }
        break;
    }
    c_.Edit1.SetText("");
}

void TMainForm::Announce(int clip) {
    PlayVoiceClip(clip, ProgramFolder(), s_.Files, s_.Sound);
}

}  // namespace fortuva
