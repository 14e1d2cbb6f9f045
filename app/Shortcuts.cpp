#include "app/Main.h"

namespace fortuva {

bool TMainForm::FormShortcut(TKey key, TShiftState shift) {
    if (key == TKey::O && shift == kCtrl) {
        SpeedButton1Click();
        return true;
    }
    if (key == TKey::F1 && shift == 0) {
        SpeedButton2Click();
        return true;
    }
    // Escape closes the panel as its close button does; with the panel
    // hidden it is left to the focused control.
    if (key == TKey::Escape && shift == 0 && c_.Panel2.Visible()) {
        Button2Click();
        return true;
    }
    return false;
}

}  // namespace fortuva
