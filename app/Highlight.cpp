#include "app/Main.h"
#include "check/PrizeCheck.h"

namespace fortuva {

void TMainForm::StopBlinking() {
    // A timer that never chose a slot is left as it is.
    if (!blinkEdit_) return;
    blinkEdit_->SetColor(TColor::BtnFace);
    c_.Timer.SetEnabled(false);
}

void TMainForm::TimerTimer() {
    // The last matching slot in this order blinks: a fourth-prize slot wins
    // over any higher class. Slots are compared by their tail, as the check
    // compares them, so the slot that blinks is one the check matched.
    for (TEdit* slot : c_.Slots)
        if (SlotMatches(lastEntry_, slot->Text())) blinkEdit_ = slot;
    if (!blinkEdit_) return;
    blinkEdit_->SetColor(blinkEdit_->Color() == TColor::BtnFace ? TColor::Red : TColor::BtnFace);
}

}  // namespace fortuva
