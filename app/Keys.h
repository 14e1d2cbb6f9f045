// Keys as the form's shortcuts see them. The codes are the platform's
// virtual-key codes, so the window layer passes a pressed key through as it
// comes; a key not named here reaches the form as its own code.
#pragma once

namespace fortuva {

enum class TKey : unsigned { Escape = 0x1B, F1 = 0x70, O = 0x4F };

// The modifier keys held down with a key, as a set.
using TShiftState = unsigned;
constexpr TShiftState kShift = 1;
constexpr TShiftState kAlt = 2;
constexpr TShiftState kCtrl = 4;

}  // namespace fortuva
